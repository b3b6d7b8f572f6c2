#include "scene/scene_gl.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace scene {

void SetFixedSceneState(unsigned viewport_width, unsigned viewport_height) {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glEnable(GL_CULL_FACE);
  glEnable(GL_DEPTH_TEST);
  glShadeModel(GL_FLAT);

  // Placed under an identity model-view, the light rides with the eye.
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const GLfloat light_position[] = {0.0f, 0.0f, 1.0f, 1.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, light_position);
  glEnable(GL_LIGHT0);
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, GLsizei(viewport_width), GLsizei(viewport_height));
  // Whole-number aspect ratio, as the layouts' square panels have always had.
  gluPerspective(45.0, double(viewport_width / viewport_height), 0.1, 100.0);
  glMatrixMode(GL_MODELVIEW);
}

void DrawRoom(float h) {
  glBegin(GL_LINE_STRIP);
  glVertex3f(-h, -h, -h);
  glVertex3f(-h, -h, h);
  glVertex3f(-h, h, h);
  glVertex3f(h, h, h);
  glVertex3f(h, -h, h);
  glVertex3f(h, -h, -h);
  glEnd();
  glBegin(GL_LINES);
  glVertex3f(h, -h, h);
  glVertex3f(-h, -h, h);
  glVertex3f(h, h, h);
  glVertex3f(h, h, -h);
  glVertex3f(-h, h, h);
  glVertex3f(-h, h, -h);
  glEnd();

  glDisable(GL_CULL_FACE);
  glBegin(GL_QUADS);
  glColor3f(0.5f, 0.5f, 0.5f);
  glVertex3f(h, h, -h);
  glVertex3f(-h, h, -h);
  glVertex3f(-h, -h, -h);
  glVertex3f(h, -h, -h);
  glEnd();
  glEnable(GL_CULL_FACE);
}

}  // namespace scene
