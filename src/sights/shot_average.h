#pragma once
// Several shots of one body taken in quick succession, averaged by a straight-line fit of Hs
// against time, with the shots that stray from the others marked and left out.
#include <cstddef>
#include <vector>

#include "sights/sight_record.h"

namespace nocturna {

// Shots of one body and limb within this many minutes of the group's first form one group, of
// at most kMostShotsInGroup shots (a further shot starts a new group), so that the time taken
// stays in proportion to the log's length.
inline constexpr double kShotGroupMinutes = 10.0;
inline constexpr std::size_t kMostShotsInGroup = 20;
// A shot is an outlier when it lies further than this (minutes of arc), and further than
// three times the others' scatter, from the line through the others (four shots or more).
inline constexpr double kOutlierMinutes = 1.0;

struct ShotAverage {
  std::vector<std::size_t> shots;        // positions in the log, in time order
  std::vector<bool> outliers;            // per shot: left out of the fit
  std::vector<double> residualsMinutes;  // per shot: Hs less the fitted line, minutes of arc
  double slopeMinutesPerMinute = 0.0;    // the fitted rate of change of Hs
  SightRecord averaged;                  // Hs on the line at the shots' mean time (whole second)
};

// The log's shots in groups, each group in order of its first shot's time. Conditions (index
// correction, height of eye, air) of the averaged sight are those of the group's first shot.
std::vector<ShotAverage> AverageShots(const std::vector<SightRecord>& log);

}  // namespace nocturna
