#pragma once
// The block's drawing: the block and its axes as display lists in body
// coordinates, seen from the observer frame, and the room turning with the frame.

#include "freebody/state.h"
#include "scene/scene_gl.h"

namespace freebody {

class Drawing {
 public:
  // With a context current: the display lists, again for every new context.
  void Compile();
  // The block in BlockOrientation seen from FrameOrientation, its axes as ShowAxes says.
  void Draw(const State& state) const;

 private:
  scene::DisplayLists lists_;
};

}  // namespace freebody
