#pragma once
// The top's recorded row: what simtrace prints and the window graphs and exports.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "gyroscope/state.h"

namespace gyroscope {

inline constexpr std::size_t RecordWidth = 20;

// simtrace's columns first, in their order, then theoretical_precession (rad/s).
std::vector<std::string> RecordColumns();
// The row of `state` at t seconds.
std::array<double, RecordWidth> RecordRow(double t, const State& state);

}  // namespace gyroscope
