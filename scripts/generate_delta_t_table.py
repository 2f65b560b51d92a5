#!/usr/bin/python3
"""Writes src/ephemeris/precise/delta_t_table.h, the precise engine's Earth-rotation table.

Sources (Debian packages; nothing is downloaded):
- python3-skyfield 1.45: skyfield/data/iers.npz, the IERS finals2000A.all values of TT - UT1
  for every day from 1973 January 1 (measured to late 2022, then the IERS predictions to
  2023 September), and skyfield/data/delta_t.npz, Table S15.2020 of Morrison, Stephenson,
  Hohenkerk and Zawilski (2021): the cubic splines of Delta T that update Stephenson, Morrison
  and Hohenkerk (2016).
- tzdata: /usr/share/zoneinfo/leap-seconds.list, the IERS list of leap seconds (TAI - UTC).

Re-run from the repository's top folder (needs python3-numpy, which python3-skyfield brings):
  apt-get install -y python3-skyfield tzdata
  /usr/bin/python3 scripts/generate_delta_t_table.py > src/ephemeris/precise/delta_t_table.h
Arguments, when the files are elsewhere: IERS_NPZ DELTA_T_NPZ LEAP_SECONDS_LIST.

The output is the same bytes for the same input. The script refuses input that is cut short or
inconsistent: a daily table that is not one value a day, values outside 40..80 s, a leap-second
list without the 1972-2017 steps, or a list that disagrees with the one inside iers.npz.

What the table holds:
- kDeltaTSplines: the Table S15.2020 segments from 1900 to the first IERS day. The last one's
  linear term is adjusted so that it meets the first IERS value (as Skyfield does); the jump
  it removes is 0.23 s.
- kIersDeltaT: TT - UT1 in seconds every 5 days of TT from JD 2441685.0 (1973 January 1.5),
  linearly interpolated from the daily values. UT1 moves smoothly between them: a linear read
  at 5-day steps is within 2 ms of the daily values (checked below), 0.0005' of hour angle.
- kLeapSeconds: the start of each TAI - UTC step (Modified Julian Date of the UTC day) and its
  value, for the tests that hold ERFA's built-in list against the published one.
"""
import sys

import numpy as np

SKYFIELD_DATA = '/usr/lib/python3/dist-packages/skyfield/data/'
STEP_DAYS = 5
FIRST_TT_JD = 2441685.0
FIRST_SPLINE_YEAR = 1900.0
NTP_EPOCH_MJD = 15020  # 1900 January 1, the leap-second list's origin, as a Modified Julian Date


def fail(message):
    sys.exit('generate_delta_t_table.py: ' + message)


def read_leap_seconds(path):
    steps = []
    with open(path, encoding='ascii') as f:
        for line in f:
            if line.startswith('#') or not line.strip():
                continue
            fields = line.split()
            if len(fields) < 2:
                fail(f'{path}: a line without its two numbers: {line!r}')
            ntp_seconds, offset = int(fields[0]), int(fields[1])
            if ntp_seconds % 86400:
                fail(f'{path}: a step not at 0h UTC: {line!r}')
            steps.append((NTP_EPOCH_MJD + ntp_seconds // 86400, offset))
    if len(steps) < 28 or steps[0] != (41317, 10) or steps[27] != (57754, 37):
        fail(f'{path}: not the 1972-2017 leap seconds (cut short or another list)')
    for (mjd0, off0), (mjd1, off1) in zip(steps, steps[1:]):
        if mjd1 <= mjd0 or off1 != off0 + 1:
            fail(f'{path}: steps out of order at MJD {mjd1}')
    return steps


def daily_delta_t(iers_path):
    arrays = np.load(iers_path)
    tt = arrays['tt_jd_minus_arange'] + np.arange(len(arrays['tt_jd_minus_arange']))
    delta_t = arrays['delta_t_1e7'] / 1e7
    if len(tt) < 18000 or len(tt) != len(delta_t):
        fail(f'{iers_path}: the daily table is cut short ({len(tt)} days)')
    steps = np.diff(tt)
    if steps.min() < 0.9999 or steps.max() > 1.0001:
        fail(f'{iers_path}: not one value a day')
    if delta_t.min() < 40 or delta_t.max() > 80:
        fail(f'{iers_path}: TT - UT1 outside 40..80 s')
    leaps = [(int(d - 2400000.5), int(o)) for d, o in zip(arrays['leap_dates'], arrays['leap_offsets'])]
    return tt, delta_t, leaps


def splines(delta_t_path, first_tt, first_delta_t):
    table = np.load(delta_t_path)['Table-S15.2020.txt']
    if table.shape[0] != 6 or table.shape[1] < 50:
        fail(f'{delta_t_path}: not Table S15.2020')
    first_year = (first_tt - 1721045.0) / 365.25
    rows = []
    for lower, upper, a3, a2, a1, a0 in table.T:
        if upper <= FIRST_SPLINE_YEAR or lower >= first_year:
            continue
        rows.append([lower, upper, a0, a1, a2, a3])
    if not rows or rows[0][0] != FIRST_SPLINE_YEAR:
        fail(f'{delta_t_path}: no segment begins at {FIRST_SPLINE_YEAR}')
    lower, upper, a0, a1, a2, a3 = rows[-1]
    t = (first_year - lower) / (upper - lower)
    at_join = a0 + t * (a1 + t * (a2 + t * a3))
    rows[-1][3] = a1 + (first_delta_t - at_join) / t
    return rows, at_join


def main(args):
    iers_path = args[0] if len(args) > 0 else SKYFIELD_DATA + 'iers.npz'
    delta_t_path = args[1] if len(args) > 1 else SKYFIELD_DATA + 'delta_t.npz'
    leap_path = args[2] if len(args) > 2 else '/usr/share/zoneinfo/leap-seconds.list'

    leap_seconds = read_leap_seconds(leap_path)
    tt, delta_t, npz_leaps = daily_delta_t(iers_path)
    if npz_leaps != [(m, o) for m, o in leap_seconds if o >= 11][:len(npz_leaps)] or len(npz_leaps) < 27:
        fail('the leap seconds inside iers.npz and the leap-second list disagree')

    grid = np.arange(FIRST_TT_JD, tt[-1], STEP_DAYS)
    sampled = np.round(np.interp(grid, tt, delta_t), 4)
    inside = (tt >= grid[0]) & (tt <= grid[-1])
    read_back = np.interp(tt[inside], grid, sampled)
    worst = np.abs(read_back - delta_t[inside]).max()
    if worst > 0.002:
        fail(f'5-day steps miss the daily values by {worst:.4f} s')
    rows, at_join = splines(delta_t_path, tt[0], delta_t[0])

    out = []
    out.append('#pragma once')
    out.append('// TT - UT1 (Delta T) for the precise engine: Table S15.2020 splines from 1900, then IERS')
    out.append('// finals2000A values (and predictions) every 5 days of TT from 1973, and the leap seconds.')
    out.append('// Generated by scripts/generate_delta_t_table.py from python3-skyfield 1.45 (iers.npz,')
    out.append('// delta_t.npz) and tzdata\'s leap-seconds.list; do not edit.')
    out.append('#include <iterator>')
    out.append('')
    out.append('namespace nocturna {')
    out.append('')
    out.append('// Delta T = a0 + a1 t + a2 t^2 + a3 t^3 seconds, t = (year - firstYear) / (lastYear - firstYear),')
    out.append('// year = 2000 + (JD(TT) - 2451545) / 365.25 (as the table\'s authors count it).')
    out.append('struct DeltaTSpline {')
    out.append('  double firstYear, lastYear, a0, a1, a2, a3;')
    out.append('};')
    out.append('')
    out.append(f'// The last segment\'s a1 is raised to meet the first IERS value (a jump of '
               f'{delta_t[0] - at_join:.3f} s).')
    out.append('inline constexpr DeltaTSpline kDeltaTSplines[] = {')
    for r in rows:
        out.append('    {' + ', '.join(repr(float(round(v, 10))) for v in r) + '},')
    out.append('};')
    out.append('')
    out.append(f'inline constexpr double kIersFirstTtJd = {FIRST_TT_JD!r};  // the first value\'s JD(TT)')
    out.append(f'inline constexpr double kIersStepDays = {float(STEP_DAYS)!r};')
    out.append(f'// TT - UT1, seconds; the last value (JD(TT) {grid[-1]:.1f}) is an IERS prediction.')
    out.append('inline constexpr double kIersDeltaT[] = {')
    for i in range(0, len(sampled), 10):
        out.append('    ' + ', '.join(f'{v:.4f}' for v in sampled[i:i + 10]) + ',')
    out.append('};')
    out.append(f'static_assert(std::size(kIersDeltaT) == {len(sampled)});')
    out.append('')
    out.append('// TAI - UTC in whole seconds from 0h UTC of the Modified Julian Date.')
    out.append('struct LeapSecondStep {')
    out.append('  int mjd;')
    out.append('  int taiMinusUtc;')
    out.append('};')
    out.append('inline constexpr LeapSecondStep kLeapSeconds[] = {')
    for i in range(0, len(leap_seconds), 6):
        out.append('    ' + ' '.join(f'{{{m}, {o}}},' for m, o in leap_seconds[i:i + 6]))
    out.append('};')
    out.append(f'static_assert(std::size(kLeapSeconds) == {len(leap_seconds)});')
    out.append('')
    out.append('}  // namespace nocturna')
    print('\n'.join(out))


if __name__ == '__main__':
    main(sys.argv[1:])
