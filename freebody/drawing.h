#pragma once
// The block world's OpenGL side: fixed state, display lists and the frame the
// panel's paint runs. Every call needs the panel's context current.

#include <GL/gl.h>

namespace freebody {

inline constexpr GLuint BlockList = 1;
inline constexpr GLuint AxesList = 2;

// The panel's size; the projection is fixed to it.
inline unsigned ViewportWidth = 400;
inline unsigned ViewportHeight = 400;

// Fixed GL state, the world with the bodies reset, and the display lists.
void InitializeScene();
// Clears, advances the world to the clock and draws it, after the camera is set.
// Does nothing once the scene is released.
void RunFrame();

}  // namespace freebody
