#pragma once
// Window functions over a day-indexed series. The window of N days at day i
// is days i, i + 1, ..., i + N - 1: day i and the N - 1 days before it.
//
// Like every called routine of the old code they have no failure handling of
// their own: the first failing read or overflow ends them with no value, and
// the caller's statement that used them is skipped.

#include "calc/Series.h"

namespace quotechart::indicators {

// Smallest and largest of series(i .. i + N - 1); N of 1 or less gives series(i).
std::optional<float> GetLowestValue(Series series, Day i, Period N);
std::optional<float> GetHighestValue(Series series, Day i, Period N);

// The lowest (highest) value of the windows at days i, i + 1 and i + 2,
// averaged with each term divided by 3 before adding, in single precision.
std::optional<float> GetAverageLowest(Series series, Day i, Period N);
std::optional<float> GetAverageHighest(Series series, Day i, Period N);

// Largest absolute value, and largest value, of series(from .. to). An empty
// range (to < from) has no value.
std::optional<float> GetMaximumAbsValue(Series series, Day from, Day to);
std::optional<float> GetMaximumValue(Series series, Day from, Day to);
std::optional<float> GetMaximumValue(VolumeSeries volumes, Day from, Day to);

}   // namespace quotechart::indicators
