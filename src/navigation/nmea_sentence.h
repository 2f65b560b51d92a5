#pragma once
// NMEA 0183 sentence checks and the RMC (recommended minimum) sentence fields.
// Pure text handling: no I/O, no clock.
#include <cstddef>
#include <string>
#include <string_view>

namespace nocturna {

// The RMC fields the GPS reader keeps, as the receiver sends them.
struct RmcFields {
  std::string sentenceId;    // talker and type, e.g. "GPRMC" or "GNRMC"; empty before a parse
  double utcTime = 0.0;      // UTC time of the fix as the number hhmmss.ss (a float would
                             // turn 12:59:59.997 into 13:00:00, or 12:59:60)
  char status = 'V';         // 'A' valid fix; anything else not valid
  char latHemisphere = 'N';  // 'N' or 'S'
  char lonHemisphere = 'E';  // 'E' or 'W'
  double latitude = 0.0;     // ddmm.mmmm
  double longitude = 0.0;    // dddmm.mmmm
};

// True for the talkers of satellite receivers: GP (GPS), GN (mixed constellations),
// GL (GLONASS), GA (Galileo), GB and BD (BeiDou).
bool IsSatelliteTalker(std::string_view talker);

// True when the bytes hold '$' followed by a satellite talker anywhere: the probe's test
// for NMEA text from a receiver.
bool ContainsSatelliteTalker(const char* bytes, std::size_t count);

// A sentence from '$' up to (not including) its line end. True when it carries no
// "*hh" checksum, or when the checksum matches the XOR of the bytes between '$' and '*'.
bool NmeaChecksumOk(std::string_view sentence);

// True when the sentence is an RMC sentence of a satellite talker ("$GPRMC", "$GNRMC", ...).
bool IsRmcSentence(std::string_view sentence);

// Reads one whole RMC sentence (checksum already checked) into fields, each field on its
// own so an empty field stays empty. Every field is written on each call: a field the
// sentence leaves empty is reset, and status is 'A' only when the sentence says 'A' and
// also carries a time and a complete, in-range position; otherwise it is 'V' (or the
// letter sent). Returns false when the sentence is not an RMC sentence.
bool ParseRmcSentence(std::string_view sentence, RmcFields& fields);

}  // namespace nocturna
