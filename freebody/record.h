#pragma once
// The block's recorded row: what simtrace prints and the window graphs and exports.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "freebody/world.h"

namespace freebody {

inline constexpr std::size_t RecordWidth = 27;

// simtrace's columns first, in their order (the block's and the observer frame's
// orientations, the angular velocity in world axes, the kinetic energy), then
// body_omega_x/y/z (rad/s, body axes) and axis_angle (degrees between body y, the
// intermediate axis, and the angular momentum; 0 without momentum).
std::vector<std::string> RecordColumns();
// The row of `world`'s present level at t seconds.
std::array<double, RecordWidth> RecordRow(double t, const simulation_world& world);

}  // namespace freebody
