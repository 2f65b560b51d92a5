// File > "Print Almanac Pages...": the pages of the passage ahead, previewed and printed with
// the DUT1 the navigator set.
#include "ui/almanac_pages/almanac_pages_form.h"
#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::PrintAlmanacPagesClick() {
  TAlmanacPagesForm form(services_.clock().universalTime, observer_.ephemeris, services_.printDialog, *presenter_,
                         this);
  form.exec();
}

}  // namespace nocturna
