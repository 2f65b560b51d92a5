#pragma once
// TT - UT1 (Delta T) from the bundled table: the Morrison-Stephenson-Hohenkerk-Zawilski 2020
// splines (their update of Stephenson-Morrison-Hohenkerk 2016) before 1973, IERS values and
// predictions from 1973 to where the predictions end.
namespace nocturna {

// The JD(TT) after which the IERS table has no value (its last prediction).
double LastTabulatedTtJd();

// Delta T in seconds at a Julian date of TT (any split, jd1 + jd2), from 1900 to
// LastTabulatedTtJd(); outside that, the nearest end's value.
double DeltaTSeconds(double ttJd1, double ttJd2);

}  // namespace nocturna
