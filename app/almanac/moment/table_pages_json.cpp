#include "moment/table_pages_json.h"

#include "cli/json_writer.h"
#include "moment/almanac_page_report.h"
#include "moment/ephemeris_report_text.h"
#include "moment/visible_bodies_report.h"

namespace nocturna {

std::string TablePagesJson(const AlmanacSnapshot& snapshot, const TablePageOptions& tables) {
  Json document = {{"units", "angles in degrees (declination north positive), dut1 and deltaT in seconds"}};
  if (tables.visibleBodies) document["visibleBodies"] = VisibleBodiesJson(snapshot, tables);
  if (tables.almanacPage) document["almanacPage"] = AlmanacPageJson(snapshot, tables);
  EphemerisMembers(document, snapshot.ephemerisUsed);
  return JsonDocumentText(document);
}

}  // namespace nocturna
