#pragma once
// The window's entry points into the program's top that need its OpenGL context.

namespace gyroscope {

// With the panel's context current: the fixed GL state, a world with the default
// conditions unless there is one already, and the display lists.
void InitializeScene();

// The panel's paint, after the camera is set: clears the buffers, advances the
// world to the clock and draws it. Nothing without a world (after ReleaseScene).
void RunFrame();

}  // namespace gyroscope
