#pragma once
// The window's entry points into the program's block that need its OpenGL context:
// InitializeScene() with the panel's context current (the fixed GL state, a world
// with the start-up conditions unless there is one already, the display lists), and
// RunFrame() for the panel's paint after the camera is set (clears, advances the
// world to the clock and draws it; nothing without a world, after ReleaseScene).

#include "freebody/drawing.h"
#include "freebody/parameters.h"
#include "freebody/simulation.h"
#include "scene/scene_gl.h"

namespace freebody {

inline constexpr auto& InitializeScene = scene::Panel<Program, Drawing, ViewportSize>::Initialize;
inline constexpr auto& RunFrame = scene::Panel<Program, Drawing, ViewportSize>::RunFrame;

}  // namespace freebody
