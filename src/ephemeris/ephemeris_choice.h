#pragma once
// Which theory fills the catalog entries, the ephemeris records and the events record. Every
// caller passes the choice through; none branches on it.
#include <optional>

namespace nocturna {

enum class EphemerisKind {
  standard,  // the closed-form theories, UT taken as typed
  precise,   // the precise engine: the time taken as UTC, UT1 = UTC + DUT1, TT from leap seconds
};

struct EphemerisChoice {
  EphemerisKind kind = EphemerisKind::standard;
  // UT1 - UTC in seconds for the precise engine; empty: from the bundled table.
  std::optional<double> dut1Seconds;
};

}  // namespace nocturna
