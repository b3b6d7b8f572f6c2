#include "examples/panel-demo/demo_scene.h"

#include "components/openglpanel/bmp_texture.h"
#include "components/openglpanel/opengl_panel.h"

#include <GL/gl.h>
#include <GL/glu.h>

void DemoScene::Init(TOpenGLPanel&) {
  glClearColor(0.12f, 0.14f, 0.2f, 1);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHT0);
  glEnable(GL_COLOR_MATERIAL);
  const GLfloat light[] = {0.3f, 0.5f, 1, 0};
  glLightfv(GL_LIGHT0, GL_POSITION, light);

  // LoadBMPTexture gives the bytes and the values glTexImage2D takes; the upload is ours.
  const std::unique_ptr<BMPTexture> bitmap = LoadBMPTexture(texture_file_, false);
  if (!bitmap)
    return;  // drawn untextured
  glGenTextures(1, &texture_);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // rows are tightly packed
  glTexImage2D(GL_TEXTURE_2D, 0, bitmap->Components, bitmap->Width, bitmap->Height, 0,
               bitmap->Format, bitmap->Type, bitmap->Data.data());
}

void DemoScene::Paint(TOpenGLPanel& panel) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glViewport(0, 0, panel.width(), panel.height());
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45, double(panel.width()) / panel.height(), 0.1, 50);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0, 0, -5);
  DrawTexturedSquare();
  DrawWord(panel);
  DrawCaption(panel);
}

void DemoScene::DrawTexturedSquare() const {
  glPushMatrix();
  glTranslatef(0, 0.8f, 0);
  glRotatef(-25, 1, 0, 0);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glColor3f(1, 1, 1);
  glBegin(GL_QUADS);  // texture row 0 is the picture's bottom row
  glTexCoord2f(0, 0), glVertex2f(-1, -1);
  glTexCoord2f(1, 0), glVertex2f(1, -1);
  glTexCoord2f(1, 1), glVertex2f(1, 1);
  glTexCoord2f(0, 1), glVertex2f(-1, 1);
  glEnd();
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
}

void DemoScene::DrawWord(TOpenGLPanel& panel) const {
  const char* word = "Trompo";
  double size[3] = {};
  panel.Get3DTextSize(word, size);  // to centre it on its turning axis
  glPushMatrix();
  glTranslatef(0, -1.2f, 0);
  glRotatef(angle_, 0, 1, 0);
  glScalef(0.9f, 0.9f, 0.9f);
  glTranslated(-size[0] / 2, 0, size[2] / 2);
  glEnable(GL_LIGHTING);
  glColor3f(0.95f, 0.55f, 0.15f);
  panel.Draw3DText(word);
  glDisable(GL_LIGHTING);
  glPopMatrix();
}

void DemoScene::DrawCaption(TOpenGLPanel& panel) {
  // Window coordinates for the bitmap font: one unit a pixel, origin bottom left.
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, panel.width(), 0, panel.height(), -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glColor3f(1, 1, 1);
  glRasterPos2i(10, panel.height() - 22);
  panel.Draw2DText("TOpenGLPanel: texto 2D, texto 3D y textura BMP");
  glColor3f(0.7f, 0.8f, 1);
  glRasterPos2i(10, 10);
  panel.Draw2DText("Flechas: girar la palabra");
  glEnable(GL_DEPTH_TEST);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}
