#include "gyroscope/render.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "scene/scene_gl.h"

#include "gyroscope/parameters.h"
#include "gyroscope/state.h"
#include "gyroscope/world.h"

namespace gyroscope {

namespace {

void DrawDisc() {
  glPushMatrix();
  glColor3f(1.0f, 0.0f, 0.0f);
  GLUquadricObj* quadrics[3];
  for (GLUquadricObj*& quadric : quadrics) {
    quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
  }
  glTranslatef(0.0f, 0.0f, ArmLength + DiscThickness / 2.0f);
  gluCylinder(quadrics[0], DiscRadius, DiscRadius, DiscThickness, 20, 20);
  // The bottom face turned towards the pivot.
  glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
  gluDisk(quadrics[1], 0.0, DiscRadius, 20, 20);
  glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
  glTranslatef(0.0f, 0.0f, DiscThickness);
  gluDisk(quadrics[2], 0.0, DiscRadius, 20, 20);
  for (GLUquadricObj* quadric : quadrics) gluDeleteQuadric(quadric);
  glPopMatrix();
}

void DrawAxle() {
  glColor3f(1.0f, 1.0f, 1.0f);
  glLineWidth(2.0f);
  glBegin(GL_LINES);
  glVertex3f(0.0f, 0.0f, 0.0f);
  glVertex3f(0.0f, 0.0f, AxisLength);
  glEnd();
  glLineWidth(1.0f);
}

void DrawCross() {
  const float c = ArmLength + DiscThickness;
  glLineWidth(1.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_LINES);
  glVertex3f(-0.2f, 0.0f, c);
  glVertex3f(0.2f, 0.0f, c);
  glVertex3f(0.0f, -0.2f, c);
  glVertex3f(0.0f, 0.2f, c);
  glEnd();
}

void Compile(DisplayList list, void (*draw)()) {
  glNewList(list, GL_COMPILE);
  draw();
  glEndList();
}

void CallPlaced(const GLfloat* placement, DisplayList list) {
  glPushMatrix();
  glMultMatrixf(placement);
  glCallList(list);
  glPopMatrix();
}

// The box around the pivot, white, with its grey floor.
void DrawBox() {
  glPushMatrix();
  glColor3f(1.0f, 1.0f, 1.0f);
  scene::DrawRoom(BoxSize / 2.0f);
  glPopMatrix();
}

void DrawTrace() {
  glColor3f(0.0f, 1.0f, 0.0f);
  for (int i = 0; i < TraceLength; ++i) {
    glBegin(GL_POINTS);
    glVertex3f(TraceX[i], TraceY[i], TraceZ[i]);
    glEnd();
  }
}

}  // namespace

void CompileDisplayLists() {
  Compile(DiscList, DrawDisc);
  Compile(AxleList, DrawAxle);
  Compile(CrossList, DrawCross);
}

void simulation_world::Render() {
  glEnable(GL_LIGHTING);
  const BodyConfiguration& source = Body.Configurations[SourceIndex];
  GLfloat placement[16];
  math3d::ToOpenGLMatrix(source.Orientation, source.Position, placement);
  glDisable(GL_CULL_FACE);
  CallPlaced(placement, DiscList);
  glDisable(GL_LIGHTING);
  CallPlaced(placement, AxleList);
  if (ShowAxes)
    CallPlaced(placement, CrossList);
  DrawBox();
  if (ShowTrajectory)
    DrawTrace();
}

}  // namespace gyroscope
