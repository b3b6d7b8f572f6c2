#pragma once
// The top's drawing: the disc, the axle and the cross as display lists in body
// coordinates (the pivot at the origin, the axle along +z), the box and the trace.

#include "gyroscope/state.h"
#include "scene/scene_gl.h"

namespace gyroscope {

class Drawing {
 public:
  // With a context current: the display lists, again for every new context.
  void Compile();
  // The top turned by state.Orientation, its cross and trace as the switches say.
  void Draw(const State& state) const;

 private:
  scene::DisplayLists lists_;
};

}  // namespace gyroscope
