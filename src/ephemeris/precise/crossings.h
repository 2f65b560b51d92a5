#pragma once
// Where a smooth function of time crosses zero within a span: the searches behind the precise
// rise, set, twilight, meridian and prime-vertical times.
#include <cmath>

namespace nocturna {

struct Crossing {
  double hours = 0.0;
  bool rising = false;  // from below zero to above
};

struct Crossings {
  static constexpr int kMost = 8;
  Crossing at[kMost]{};
  int count = 0;
  bool aboveSomewhere = false;  // f > 0 at some sampled hour inside the span
  bool belowSomewhere = false;
};

inline constexpr double kCrossingToleranceHours = 1e-5;  // 0.036 s

// The zero of f between a and b, where f(a) and f(b) differ in sign (Illinois regula falsi).
template <class Function>
double ZeroBetween(const Function& f, double a, double fa, double b, double fb) {
  int side = 0;
  for (int iteration = 0; iteration < 60 && std::fabs(b - a) > kCrossingToleranceHours; ++iteration) {
    const double c = (a * fb - b * fa) / (fb - fa);
    const double fc = f(c);
    if ((fc > 0) == (fb > 0)) {
      b = c;
      fb = fc;
      if (side == -1) fa /= 2;
      side = -1;
    } else {
      a = c;
      fa = fc;
      if (side == 1) fb /= 2;
      side = 1;
    }
  }
  return (a * fb - b * fa) / (fb - fa);
}

// The extreme of f near a sampled local extreme at m (neighbours m - step, m + step), by
// golden-section search: a maximum when `maximum`, else a minimum. Returns its hour and value.
template <class Function>
void ExtremeNear(const Function& f, double m, double step, bool maximum, double& hours, double& value) {
  constexpr double kGolden = 0.6180339887498949;
  const double sign = maximum ? 1.0 : -1.0;
  double a = m - step;
  double b = m + step;
  double c = b - kGolden * (b - a);
  double d = a + kGolden * (b - a);
  double fc = sign * f(c);
  double fd = sign * f(d);
  while (b - a > kCrossingToleranceHours) {
    if (fc > fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - kGolden * (b - a);
      fc = sign * f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + kGolden * (b - a);
      fd = sign * f(d);
    }
  }
  hours = (a + b) / 2;
  value = f(hours);
}

// The zeros of f in [first, last), sampled every `step` hours from first - step to last + step;
// a sampled maximum below zero (minimum above) is refined, so that a brief grazing rise above
// zero (dip below) between samples is found too. Zeros are in increasing time.
template <class Function>
Crossings FindCrossings(const Function& f, double first, double last, double step) {
  Crossings found;
  auto add = [&](double hours, bool rising) {
    if (hours < first || hours >= last || found.count == Crossings::kMost) return;
    found.at[found.count++] = Crossing{hours, rising};
  };
  double h0 = first - step;
  double f0 = f(h0);
  double h1 = first;
  double f1 = f(h1);
  while (h1 < last + step / 2) {
    if (h1 < last) (f1 > 0 ? found.aboveSomewhere : found.belowSomewhere) = true;
    const double h2 = h1 + step;
    const double f2 = f(h2);
    if ((f0 > 0) != (f1 > 0)) add(ZeroBetween(f, h0, f0, h1, f1), f1 > 0);
    const bool peak = f1 >= f0 && f1 >= f2 && f1 <= 0;
    const bool dip = f1 <= f0 && f1 <= f2 && f1 > 0;
    if ((peak || dip) && (f0 > 0) == (f1 > 0) && (f2 > 0) == (f1 > 0)) {
      double hm = 0;
      double fm = 0;
      ExtremeNear(f, h1, step, peak, hm, fm);
      if ((fm > 0) != (f1 > 0)) {
        add(ZeroBetween(f, h0, f0, hm, fm), peak);
        add(ZeroBetween(f, hm, fm, h2, f2), !peak);
        if (hm >= first && hm < last) (peak ? found.aboveSomewhere : found.belowSomewhere) = true;
      }
    }
    h0 = h1;
    f0 = f1;
    h1 = h2;
    f1 = f2;
  }
  return found;
}

}  // namespace nocturna
