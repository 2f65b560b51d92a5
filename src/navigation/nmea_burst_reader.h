#pragma once
// Finds the RMC fix in the bursts of bytes a receiver sends, one read at a time.
#include <array>
#include <cstddef>

#include "navigation/nmea_sentence.h"

namespace nocturna {

// What one burst gave.
enum class BurstRmc {
  None,     // no complete RMC sentence ended in this burst
  Damaged,  // only RMC sentences whose checksum did not match
  Parsed,   // the latest intact RMC sentence was read into the fields
};

// Cuts a byte stream into sentences. A sentence runs from '$' to its CR or LF; binary
// frames between sentences (any byte outside printable ASCII) are skipped, and a sentence
// that a read cut off is kept and finished by the next burst rather than read half.
// Holds no more than one unfinished sentence; allocates nothing.
class NmeaBurstReader {
 public:
  // Longest sentence kept (NMEA allows 82 characters with the line end).
  static constexpr std::size_t kMaxSentence = 120;

  // Scans count bytes of one burst. burstEnded: the receiver paused after these bytes (the
  // read timed out rather than filling its buffer), so a final sentence without its line
  // end is whole; otherwise it is carried into the next call. A sentence that ends with a
  // complete "*hh" checksum is whole without its line end either way.
  BurstRmc Scan(const char* bytes, std::size_t count, bool burstEnded, RmcFields& fields);

  // Forgets an unfinished sentence (a new port or a new log).
  void Reset() { length_ = 0; }

 private:
  void Finish(RmcFields& fields);

  std::array<char, kMaxSentence> sentence_{};
  std::size_t length_ = 0;  // 0: not inside a sentence
  RmcFields scratch_;
  bool parsed_ = false;
  bool damaged_ = false;
};

}  // namespace nocturna
