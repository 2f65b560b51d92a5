// The observer's inputs: zone date and time, zone description, DR position, "Now".
#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

#include "ui/main_window/field_entry.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/latin1_text.h"
#include "chart/position_field.h"
#include "ui/chart_drawing/sky_paint_box.h"

namespace nocturna {

namespace {

// Puts the corrected text in the field when it differs from what the field shows, keeping the
// cursor where the user was typing.
void WriteBackIfChanged(QLineEdit* field, const std::string& text) {
  const QString corrected = FromLatin1(text);
  if (corrected == field->displayText()) return;
  const int cursor = field->cursorPosition();
  field->setText(corrected);
  field->setCursorPosition(cursor);
}

}  // namespace

void TForm1::ConnectInputs() {
  const MainWindowControls& c = controls_;
  connect(c.starDatePicker, &QDateEdit::dateChanged, this, &TForm1::StarDatePickerChange);
  connect(c.starTimePicker, &QTimeEdit::timeChanged, this, &TForm1::StarTimePickerChange);
  connect(c.zdEdit, &QSpinBox::valueChanged, this, &TForm1::ZDChange);
  // A position is read when its entry is complete, never halfway through a number.
  connect(new FieldEntry(c.latitude), &FieldEntry::Complete, this, &TForm1::LatitudeChange);
  connect(new FieldEntry(c.longitude), &FieldEntry::Complete, this, &TForm1::Lonchange);
  connect(c.nowButton, &QPushButton::clicked, this, &TForm1::Now1Click);
  connect(c.now, &QAction::triggered, this, &TForm1::Now1Click);
  connect(c.exit, &QAction::triggered, this, &TForm1::Exit1Click);
  c.zdEdit->installEventFilter(this);
  c.latitude->installEventFilter(this);
  c.longitude->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const MainWindowControls& c = controls_;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == c.latitude) return LatitudeKeyDown(key);
    if (watched == c.longitude) return LongitudeKeyDown(key);
  } else if (event->type() == QEvent::FocusIn && watched == c.zdEdit) {
    ZDChange();
  }
  return QMainWindow::eventFilter(watched, event);
}

DateTime TForm1::CurrentUniversalTime() {
  const UniversalClockReading reading = services_.clock();
  observer_.daylightHours = reading.daylightHours;
  return reading.universalTime;
}

void TForm1::RepaintChart() {
  if (observer_.staticTime) controls_.skyPaintBox->update();
}

void TForm1::ShowZoneTimeInPickers() {
  const DecodedDateTime t = DecodeDateTime(observer_.zoneTime);
  const QSignalBlocker blockDate(controls_.starDatePicker);
  const QSignalBlocker blockTime(controls_.starTimePicker);
  controls_.starDatePicker->setDate(QDate(t.year, t.month, t.day));
  controls_.starTimePicker->setTime(QTime(t.hour, t.minute, t.second, t.millisecond));
}

void TForm1::WritePositionTexts(const std::string& latitudeText,
                                const std::string& longitudeText) {
  controls_.latitude->setText(FromLatin1("Latitude " + latitudeText));
  controls_.longitude->setText(FromLatin1("Longitude " + longitudeText));
}

void TForm1::ShowZoneDescription(int zoneDescription) {
  controls_.zdEdit->setValue(zoneDescription);
}

// Both pickers: the zone time is the date picker's date at the time picker's time of day.
void TForm1::StarDatePickerChange() {
  const QDate date = controls_.starDatePicker->date();
  const QTime time = controls_.starTimePicker->time();
  observer_.SetZoneTime(EncodeDateTime(date.year(), date.month(), date.day(), time.hour(),
                                       time.minute(), time.second(), time.msec()));
  RepaintChart();
}

void TForm1::StarTimePickerChange() { StarDatePickerChange(); }

void TForm1::ZDChange() {
  observer_.SetZoneDescription(controls_.zdEdit->value());
  ShowZoneTimeInPickers();
  RepaintChart();
}

bool TForm1::TakePositionField(QLineEdit* field, PositionFieldReading (*read)(const std::string&),
                               bool& reported, double& degrees) {
  const PositionFieldReading reading = read(ToLatin1(field->displayText()));
  if (!reading.isNumber) {
    // Reported once, when the field stops being a number.
    if (!reported) {
      reported = true;
      Message message;
      message.kind = MessageKind::Error;
      message.text = NotANumberMessage(reading.badText);
      presenter_->Show(message);
    }
    return false;
  }
  reported = false;
  degrees = reading.degrees;
  WriteBackIfChanged(field, reading.text);
  return true;
}

void TForm1::LatitudeChange() {
  if (TakePositionField(controls_.latitude, ReadLatitudeField, latitudeReported_,
                        observer_.drPosition.latitude)) {
    RepaintChart();
  }
}

void TForm1::Lonchange() {
  if (!TakePositionField(controls_.longitude, ReadLongitudeField, longitudeReported_,
                         observer_.drPosition.longitude)) {
    return;
  }
  observer_.zoneDescription = ZoneDescriptionFromLongitude(observer_.drPosition);
  ShowZoneDescription(observer_.zoneDescription);
  RepaintChart();
}

bool TForm1::LatitudeKeyDown(int key) { return key == Qt::Key_Delete; }

bool TForm1::LongitudeKeyDown(int key) { return key == Qt::Key_Delete; }

void TForm1::Now1Click() {
  observer_.SetUniversalTime(CurrentUniversalTime());
  ShowZoneTimeInPickers();
  RepaintChart();
}

void TForm1::Exit1Click() { close(); }

}  // namespace nocturna
