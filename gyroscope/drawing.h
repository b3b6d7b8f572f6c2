#pragma once
// The top's drawing: the disc, the axle and the cross as display lists in body
// coordinates (the pivot at the origin, the axle along +z), the box and the trace.

#include "gyroscope/state.h"
#include "scene/scene_gl.h"

namespace gyroscope {

// Arrow lengths in metres per unit of each quantity, for the default camera: the
// start-up spin's L (0.98 kg m^2/s) ends past the axle's end, its omega (62.8 rad/s)
// short of the disc, and the torque of the default gravity (1.5 N m) reaches as far.
inline constexpr float MomentumScale = 0.45f;    // per kg m^2/s
inline constexpr float VelocityScale = 0.0035f;  // per rad/s
inline constexpr float TorqueScale = 0.15f;      // per N m
// From the pivot, inside the box.
inline constexpr float LongestArrow = 0.45f;

class Drawing {
 public:
  // With a context current: the display lists, again for every new context.
  void Compile();
  // The top turned by state.Orientation, its cross, trace and the arrows of L,
  // omega and the weight's torque as the switches say.
  void Draw(const State& state) const;

 private:
  scene::DisplayLists lists_;
};

}  // namespace gyroscope
