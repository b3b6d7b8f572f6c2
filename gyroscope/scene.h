#pragma once
// The window's entry points into the simulation that need its OpenGL context.

namespace gyroscope {

// With the panel's context current: the fixed GL state, the default conditions, a
// new world and the display lists the drawing uses.
void InitializeScene();

// The panel's paint, after the camera is set: clears the buffers, advances the
// world to the clock and draws it. Without a world (after ReleaseScene) it does
// nothing; the window decides whether to paint at all.
void RunFrame();

}  // namespace gyroscope
