#pragma once
// The block's drawing: the block and its axes as display lists in body
// coordinates, seen from the observer frame, and the room turning with the frame.

#include "freebody/state.h"
#include "scene/scene_gl.h"

namespace freebody {

// Arrow lengths per unit of each quantity, for the default camera: the start-up
// L (0.2 kg m^2/s) and its omega (0.96 rad/s) both stand out of the upright block's top.
inline constexpr float MomentumScale = 18.0f;  // per kg m^2/s
inline constexpr float VelocityScale = 3.0f;   // per rad/s
// From the block's centre, inside the room.
inline constexpr float LongestArrow = 3.8f;

class Drawing {
 public:
  // With a context current: the display lists, again for every new context.
  void Compile();
  // The block in BlockOrientation seen from FrameOrientation, its axes and the
  // arrows of L and omega as the switches say.
  void Draw(const State& state) const;

 private:
  scene::DisplayLists lists_;
};

}  // namespace freebody
