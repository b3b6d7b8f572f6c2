// TOpenGLPanel: the display's colour depth and the current context's extensions.
#include "components/openglpanel/gl_extensions.h"
#include "components/openglpanel/opengl_panel.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QScreen>

#include <GL/gl.h>

int TOpenGLPanel::GetDisplayBPP() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 0;
}

// Neither Qt nor X11 can change a running display's colour depth.
bool TOpenGLPanel::SetDisplayBPP(int) {
  return false;
}

bool TOpenGLPanel::QueryOpenGLExtention(const char* name) {
  if (name == nullptr || QOpenGLContext::currentContext() == nullptr)
    return false;
  const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  return extensions != nullptr && ExtensionListed(extensions, name);
}
