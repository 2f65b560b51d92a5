// The Help menu: the help topics dialog and the about box, each built anew on every use.
#include <QAction>

#include "ui/help/about_box.h"
#include "ui/help/help_dialog.h"
#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::ConnectHelp() {
  const MainWindowControls& c = controls_;
  // "&Contents" opens the same topic search, which is what the document offers.
  for (QAction* item : {c.searchForHelpOn, c.contents}) {
    connect(item, &QAction::triggered, this, &TForm1::SearchforHelpOn1Click);
  }
  connect(c.about, &QAction::triggered, this, &TForm1::About1Click);
}

void TForm1::SearchforHelpOn1Click() { THelpDialog::Open(this, Presenter()); }

void TForm1::About1Click() { TAboutBox::Open(this); }

}  // namespace nocturna
