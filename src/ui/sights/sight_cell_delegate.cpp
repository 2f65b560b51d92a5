#include "ui/sights/sight_cell_delegate.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/main_window/latin1_text.h"
#include "sights/sight_body_names.h"
#include "ui/sights/sight_table_model.h"

namespace nocturna {
using namespace sight_columns;

SightCellDelegate::SightCellDelegate(std::function<bool()> alphabetical, QObject* parent)
    : QStyledItemDelegate(parent), alphabetical_(std::move(alphabetical)) {}

QWidget* SightCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
  if (index.column() == kLimbColumn) {
    auto* limb = new QComboBox(parent);
    limb->setObjectName(QStringLiteral("LimbEditor"));
    limb->addItems({QString(), QStringLiteral("L"), QStringLiteral("U")});
    return limb;
  }
  if (index.column() != kBodyColumn) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* body = new QComboBox(parent);
  body->setObjectName(QStringLiteral("BodyEditor"));
  body->setEditable(true);
  body->setInsertPolicy(QComboBox::NoInsert);
  body->setCompleter(nullptr);  // a completion would turn "Deneb" into "Denebola"
  // Return takes the name as typed (the combo box keeps the key from the view).
  auto* self = const_cast<SightCellDelegate*>(this);
  connect(body->lineEdit(), &QLineEdit::returnPressed, self, [self, body] {
    if (body->property("committed").toBool()) return;
    body->setProperty("committed", true);
    emit self->commitData(body);
    emit self->closeEditor(body, QAbstractItemDelegate::SubmitModelCache);
  });
  for (std::string_view name : SightBodyNames(alphabetical_ && alphabetical_()))
    body->addItem(FromLatin1(std::string(name)));
  return body;
}

void SightCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    const QString text = index.data(Qt::EditRole).toString();
    const int at = box->findText(text, Qt::MatchFixedString);
    if (box->isEditable()) box->setEditText(text);
    else box->setCurrentIndex(at < 0 ? 0 : at);
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void SightCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
  if (auto* box = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, box->currentText(), Qt::EditRole);
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace nocturna
