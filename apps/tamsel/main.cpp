// Tamsel: a block turning freely inside a room, to show which axes of rotation
// are stable, for the classroom.
#include "apps/tamsel/form1.h"
#include "components/openglpanel/opengl_panel.h"
#include "framework/application.h"

int main(int argc, char** argv) {
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.rigidbodyrotation.Tamsel"));
  const framework::ProgramInfo program{
      "Tamsel", QT_TRANSLATE_NOOP("framework::CommandLine",
                                  "Un bloque que gira libre dentro de una sala, para mostrar qué "
                                  "ejes de rotación son estables.")};
  return framework::RunProgram(argc, argv, program, []() -> std::unique_ptr<QWidget> {
    if (!TOpenGLPanel::OpenGLAvailable())
      return nullptr;  // the window could not be composed; the panel has said why
    auto form = std::make_unique<tamsel::TForm1>();
    tamsel::Form1 = form.get();
    return form;
  });
}
