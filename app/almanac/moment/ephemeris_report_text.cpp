#include "moment/ephemeris_report_text.h"

#include "almanacpages/page_ephemeris.h"
#include "foundations/printf_text.h"

namespace nocturna {
namespace {

const char* SourceName(Dut1Source source) {
  switch (source) {
    case Dut1Source::iersTable: return "IERS";
    case Dut1Source::heldAfterTable: return "last IERS prediction, held";
    case Dut1Source::given: return "given";
    case Dut1Source::beforeLeapSeconds: return "before 1972: the time is UT1";
  }
  return "";
}

const char* SourceKey(Dut1Source source) {
  switch (source) {
    case Dut1Source::iersTable: return "iers";
    case Dut1Source::heldAfterTable: return "heldPrediction";
    case Dut1Source::given: return "given";
    case Dut1Source::beforeLeapSeconds: return "beforeLeapSeconds";
  }
  return "";
}

}  // namespace

std::string EphemerisText(const EphemerisReport& report) {
  if (report.kind != EphemerisKind::precise) return "standard";
  return PrintfText("precise, DUT1 %+.3f s (%s), Delta T %.3f s", report.dut1Seconds,
                    SourceName(report.dut1Source), report.deltaTSeconds);
}

void EphemerisMembers(Json& object, const EphemerisReport& report) {
  const bool precise = report.kind == EphemerisKind::precise;
  object["ephemeris"] = EphemerisName(report.kind);
  object["dut1"] = precise ? Json(report.dut1Seconds) : Json(nullptr);
  object["dut1Source"] = precise ? Json(SourceKey(report.dut1Source)) : Json(nullptr);
  object["deltaT"] = precise ? Json(report.deltaTSeconds) : Json(nullptr);
}

}  // namespace nocturna
