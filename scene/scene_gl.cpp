#include "scene/scene_gl.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace scene {

void SetFixedSceneState(int viewport_width, int viewport_height) {
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
  glMaterialf(GL_FRONT, GL_SHININESS, 25.0f);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, viewport_width, viewport_height);
  gluPerspective(45.0, double(viewport_width) / double(viewport_height), 0.1, 100.0);
  glMatrixMode(GL_MODELVIEW);
}

void ClearBuffers() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void PushTurned(const math3d::Matrix3x3& orientation) {
  GLfloat placement[16];
  math3d::ToOpenGLMatrix(orientation, math3d::Vector3(), placement);
  glPushMatrix();
  glMultMatrixf(placement);
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

void DrawArrows(std::span<const Arrow> arrows, float longest) {
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LIGHTING_BIT);
  glEnable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  GLUquadricObj* quadric = gluNewQuadric();
  gluQuadricNormals(quadric, GLU_SMOOTH);
  for (const Arrow& arrow : arrows) {
    const float magnitude = arrow.vector.Length();
    if (magnitude == 0.0f)
      continue;
    const float length = std::min(magnitude * arrow.scale, longest);
    const float head = std::min(6.0f * arrow.radius, length);
    // Turn +z onto the vector: about z x v by the angle between them, or about x
    // when v lies along z (no turn up, half a turn down).
    const math3d::Vector3 v = (1.0f / magnitude) * arrow.vector;
    const float degrees = std::acos(std::clamp(v.GetZ(), -1.0f, 1.0f)) * 180.0f / math3d::Pi;
    const bool down = v.GetX() == 0.0f && v.GetY() == 0.0f;
    glPushMatrix();
    glRotatef(degrees, down ? 1.0f : -v.GetY(), down ? 0.0f : v.GetX(), 0.0f);
    glColor3fv(arrow.colour);
    gluCylinder(quadric, arrow.radius, arrow.radius, length - head, 12, 1);
    glTranslatef(0.0f, 0.0f, length - head);
    gluCylinder(quadric, 2.5 * arrow.radius, 0.0, head, 12, 1);
    // The head's base, turned to face the arrow's tail.
    glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    gluDisk(quadric, 0.0, 2.5 * arrow.radius, 12, 1);
    glPopMatrix();
  }
  gluDeleteQuadric(quadric);
  glPopAttrib();
}

void DisplayLists::Compile(std::initializer_list<void (*)()> parts) {
  // Earlier names belong to a context Qt has since destroyed: deleting them here
  // could free the panel's font lists instead.
  base_ = glGenLists(GLsizei(parts.size()));
  GLuint list = base_;
  for (void (*draw)() : parts) {
    glNewList(list++, GL_COMPILE);
    draw();
    glEndList();
  }
}

void DisplayLists::CallTurned(unsigned part, const math3d::Matrix3x3& orientation) const {
  PushTurned(orientation);
  glCallList(base_ + part);
  glPopMatrix();
}

}  // namespace scene
