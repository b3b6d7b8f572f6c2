#include "shell/camera.h"

#include <GL/gl.h>

namespace shell {

void Camera::KeyDown(int key) {
  switch (key) {
    case VK_LEFT:
      ViewYawRate = TurnSpeed;
      break;
    case VK_UP:
      ViewPitchRate = TurnSpeed;
      break;
    case VK_RIGHT:
      ViewYawRate = -TurnSpeed;
      break;
    case VK_DOWN:
      ViewPitchRate = -TurnSpeed;
      break;
    case VK_I:
      ViewDistanceRate = ZoomSpeed;
      break;
    case VK_O:
      ViewDistanceRate = -ZoomSpeed;
      break;
    default:
      break;
  }
}

void Camera::KeyUp() {
  ViewYawRate = 0.0f;
  ViewPitchRate = 0.0f;
  ViewDistanceRate = 0.0f;
}

void Camera::Drag(int dx, int dy) {
  ViewYaw += DragTurn * float(dx);
  ViewPitch += DragTurn * float(dy);
}

void Camera::Wheel(int delta) {
  ViewDistance += float(ZoomSpeed * NotchSeconds * delta / 120.0);
}

void Camera::Tick(double seconds) {
  ViewYaw += float(ViewYawRate * seconds);
  ViewPitch += float(ViewPitchRate * seconds);
  ViewDistance += float(ViewDistanceRate * seconds);
}

void Camera::Apply() const {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, ViewDistance);
  glRotatef(ViewPitch, 1.0f, 0.0f, 0.0f);
  glRotatef(ViewYaw, 0.0f, 1.0f, 0.0f);
  glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
  glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
}

}  // namespace shell
