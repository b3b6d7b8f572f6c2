#pragma once
// Everything the block's program keeps: the orientations the window shows and
// starts from, the momentum a start gives, and the switches the window sets.
// A default State is the program's start.

#include "freebody/parameters.h"
#include "math/math3d.h"

namespace freebody {

using math3d::Matrix3x3;
using math3d::Vector3;

struct State {
  // Where the block and the observer frame stand; every frame writes back what it reached.
  Matrix3x3 BlockOrientation;
  Matrix3x3 FrameOrientation;
  // What a reset goes back to, and the momentum a start gives (world axes).
  Matrix3x3 InitialOrientation;
  Vector3 InitialMomentum = StartMomentum;
  // Last computed from the scroll bars or an example; Ok makes it the initial one.
  Matrix3x3 ChosenOrientation;
  bool Running = false;
  bool ShowAxes = false;
  bool RotatingView = false;
  bool ShowVectors = false;  // read by the drawing only
};

}  // namespace freebody
