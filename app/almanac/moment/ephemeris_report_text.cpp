#include "moment/ephemeris_report_text.h"

#include "almanacpages/page_ephemeris.h"
#include "ephemeris/precise/dut1_table.h"
#include "foundations/printf_text.h"

namespace nocturna {
namespace {

const char* SourceKey(Dut1Source source) {
  switch (source) {
    case Dut1Source::iersTable: return "iers";
    case Dut1Source::heldAfterTable: return "heldPrediction";
    case Dut1Source::given: return "given";
    case Dut1Source::beforeLeapSeconds: return "beforeLeapSeconds";
    case Dut1Source::importedTable: return "imported";
  }
  return "";
}

}  // namespace

std::string EphemerisText(const EphemerisReport& report) {
  if (report.kind != EphemerisKind::precise) return "standard";
  return PrintfText("precise, DUT1 %+.3f s (%s), Delta T %.3f s", report.dut1Seconds,
                    Dut1SourceText(report).c_str(), report.deltaTSeconds);
}

void EphemerisMembers(Json& object, const EphemerisReport& report) {
  const bool precise = report.kind == EphemerisKind::precise;
  object["ephemeris"] = EphemerisName(report.kind);
  object["dut1"] = precise ? Json(report.dut1Seconds) : Json(nullptr);
  object["dut1Source"] = precise ? Json(SourceKey(report.dut1Source)) : Json(nullptr);
  object["deltaT"] = precise ? Json(report.deltaTSeconds) : Json(nullptr);
  Dut1TableMembers(object, report);
}

void Dut1TableMembers(Json& object, const EphemerisReport& report) {
  const bool tabulated = report.kind == EphemerisKind::precise && report.dut1Table.kind != nullptr &&
                         report.dut1Source != Dut1Source::given && report.dut1Source != Dut1Source::beforeLeapSeconds;
  object["dut1Table"] = tabulated ? Json(report.dut1Table.kind) : Json(nullptr);
  object["dut1TableLastDay"] = tabulated ? Json(MjdDateText(report.dut1Table.lastMjd)) : Json(nullptr);
}

}  // namespace nocturna
