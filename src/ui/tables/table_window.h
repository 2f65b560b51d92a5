#pragma once
// What the visible-bodies list and the almanac window have in common: a modal, stay-on-top
// window of a fixed size that reads the catalog, the observer and the last paint's moment by
// reference, stacks its parts top to bottom and prints its own image.
#include <QDialog>
#include <initializer_list>

#include "chart/chart_compute.h"
#include "chart/observer_state.h"
#include "navigation/body_catalog.h"
#include "platform/message_presenter.h"
#include "ui/printing/window_printing.h"

namespace nocturna {

class TableWindow : public QDialog {
  Q_OBJECT

 public:
  // Prints the window's contents, every row, as a document of pages.
  void PrintBtnClick();
  // What the window prints: its caption, heading lines and tables as they show now.
  virtual TableDocument Document() const = 0;

 protected:
  // A window named `name` with the caption `title`, width x height pixels inside its frame.
  TableWindow(const char* name, const QString& title, int width, int height,
              const BodyCatalog& catalog, const ObserverState& observer, const ChartPass& lastPass,
              PrinterChoice choosePrinter, MessagePresenter& presenter, QWidget* parent);

  // The "Print" button on the title panel at x, wired to PrintBtnClick.
  void AddPrintButton(QWidget* panel, int x);
  // Stacks the parts top to bottom without margins or spacing; the last takes what is left.
  void StackParts(std::initializer_list<QWidget*> parts);

  const BodyCatalog& catalog_;
  const ObserverState& observer_;
  const ChartPass& lastPass_;

 private:
  PrinterChoice choosePrinter_;
  MessagePresenter& presenter_;
};

}  // namespace nocturna
