#pragma once
// Which theory fills the catalog entries, the ephemeris records and the events record. Every
// caller passes the choice through; none branches on it.
#include <memory>
#include <optional>

namespace nocturna {

struct Dut1Table;

enum class EphemerisKind {
  standard,  // the closed-form theories, UT taken as typed
  precise,   // the precise engine: the time taken as UTC, UT1 = UTC + DUT1, TT from leap seconds
};

struct EphemerisChoice {
  EphemerisKind kind = EphemerisKind::standard;
  // UT1 - UTC in seconds for the precise engine; empty: from the tables.
  std::optional<double> dut1Seconds;
  // An imported IERS table, read first where it covers the moment; null: the bundled one only.
  std::shared_ptr<const Dut1Table> dut1Table = nullptr;
};

}  // namespace nocturna
