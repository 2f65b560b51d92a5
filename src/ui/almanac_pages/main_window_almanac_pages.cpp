// File > "Print Almanac Pages...": the daily pages of the passage ahead, previewed and printed.
#include "ui/almanac_pages/almanac_pages_form.h"
#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::PrintAlmanacPagesClick() {
  TAlmanacPagesForm form(services_.clock().universalTime, services_.printDialog, *presenter_, this);
  form.exec();
}

}  // namespace nocturna
