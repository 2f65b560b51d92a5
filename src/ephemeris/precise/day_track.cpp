#include "ephemeris/precise/day_track.h"

#include <cmath>

#include "ephemeris/precise/precise_time.h"

namespace nocturna {
namespace {

constexpr double kStepHours = DayTrack::kSpanHours / (DayTrack::kSamples - 1);

// Lagrange weights of the equally spaced samples at `hours`.
void Weights(double hours, double (&weight)[DayTrack::kSamples]) {
  const double x = hours / kStepHours;
  for (int i = 0; i < DayTrack::kSamples; ++i) {
    double w = 1.0;
    for (int j = 0; j < DayTrack::kSamples; ++j) {
      if (j != i) w *= (x - j) / (i - j);
    }
    weight[i] = w;
  }
}

double Blend(const double (&weight)[DayTrack::kSamples], const double (&values)[DayTrack::kSamples]) {
  double sum = 0.0;
  for (int i = 0; i < DayTrack::kSamples; ++i) sum += weight[i] * values[i];
  return sum;
}

}  // namespace

DayTrack TrackOf(PlaceFunction place, const PreciseInstant& start, double nominalGhaRate) {
  DayTrack track;
  track.nominalGhaRate = nominalGhaRate;
  for (int i = 0; i < DayTrack::kSamples; ++i) {
    const PreciseBodyPlace p = place(AdvancedInstant(start, i * kStepHours * 3600.0));
    if (i == 0) track.firstGha = p.gha;
    track.ghaResidual[i] = std::remainder(p.gha - track.firstGha - nominalGhaRate * i * kStepHours, 360.0);
    track.declination[i] = p.declination;
    track.horizontalParallax[i] = p.horizontalParallax;
    track.semiDiameter[i] = p.semiDiameter;
  }
  return track;
}

PreciseBodyPlace PlaceOnTrack(const DayTrack& track, double hours) {
  double weight[DayTrack::kSamples];
  Weights(hours, weight);
  PreciseBodyPlace p;
  const double gha =
      std::fmod(track.firstGha + track.nominalGhaRate * hours + Blend(weight, track.ghaResidual), 360.0);
  p.gha = gha < 0 ? gha + 360.0 : gha;
  p.declination = Blend(weight, track.declination);
  p.horizontalParallax = Blend(weight, track.horizontalParallax);
  p.semiDiameter = Blend(weight, track.semiDiameter);
  return p;
}

}  // namespace nocturna
