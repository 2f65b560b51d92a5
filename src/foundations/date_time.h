#pragma once
// The windows' date-and-time value: fractional days since 1899-12-30 00:00 (proleptic
// Gregorian calendar). Before that day the whole part counts back and the time of day is
// the absolute value of the fraction (-1.25 is 1899-12-29 06:00).
namespace nocturna {

using DateTime = double;

struct DecodedDateTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
  int millisecond;
};

// Fields outside their ranges carry over as on a calendar (month 13 is January of the
// next year, day 0 the last day of the month before, minute 60 the next hour).
DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                        int millisecond = 0);

// Milliseconds are rounded to the nearest; a time that rounds to 24:00 is 00:00 of the next
// day. Values beyond years 1..9999 are clamped to them; NaN decodes as 1899-12-30 00:00.
DecodedDateTime DecodeDateTime(DateTime value);

// The whole-day part, truncated toward zero (saturating).
int DayOfDateTime(DateTime value);

}  // namespace nocturna
