#include "gyroscope/drawing.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "gyroscope/parameters.h"

namespace gyroscope {

namespace {

enum Part { Disc, Axle, Cross };

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

void DrawTrace(const State& state) {
  glColor3f(0.0f, 1.0f, 0.0f);
  glBegin(GL_POINTS);
  for (int i = 0; i < TraceLength; ++i)
    glVertex3f(state.TraceX[i], state.TraceY[i], state.TraceZ[i]);
  glEnd();
}

// From the state the world keeps up to date while paused too: what a run goes on with.
void DrawVectors(const State& state) {
  const math3d::Vector3 weight(0.0f, 0.0f, -Mass * state.Gravity);
  // The angular velocity's shaft is the thicker: along the axle it sheathes L's.
  const scene::Arrow arrows[] = {
      {state.Momentum, MomentumScale, 0.008f, scene::MomentumColour},
      {state.Omega, VelocityScale, 0.012f, scene::VelocityColour},
      {math3d::CrossProduct(state.Centre, weight), TorqueScale, 0.008f, scene::TorqueColour}};
  scene::DrawArrows(arrows, LongestArrow);
}

}  // namespace

void Drawing::Compile() {
  lists_.Compile({DrawDisc, DrawAxle, DrawCross});
}

void Drawing::Draw(const State& state) const {
  glEnable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  lists_.CallTurned(Disc, state.Orientation);
  glDisable(GL_LIGHTING);
  lists_.CallTurned(Axle, state.Orientation);
  if (state.ShowAxes)
    lists_.CallTurned(Cross, state.Orientation);
  // The box around the pivot, white, with its grey floor.
  glColor3f(1.0f, 1.0f, 1.0f);
  scene::DrawRoom(BoxSize / 2.0f);
  if (state.ShowTrajectory)
    DrawTrace(state);
  if (state.ShowVectors)
    DrawVectors(state);
}

}  // namespace gyroscope
