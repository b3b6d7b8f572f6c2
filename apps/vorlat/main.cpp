// Vorlat: a heavy symmetric top, with precession and nutation, for the classroom.
#include "apps/vorlat/form1.h"
#include "components/openglpanel/opengl_panel.h"
#include "framework/application.h"

int main(int argc, char** argv) {
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.rigidbodyrotation.Vorlat"));
  const framework::ProgramInfo program{
      "Vorlat",
      QT_TRANSLATE_NOOP("framework::CommandLine",
                        "Un trompo simétrico pesado, con precesión y nutación, para la clase.")};
  return framework::RunProgram(argc, argv, program, []() -> std::unique_ptr<QWidget> {
    if (!TOpenGLPanel::OpenGLAvailable())
      return nullptr;  // the window could not be composed; the panel has said why
    auto form = std::make_unique<TForm1>();
    Form1 = form.get();
    return form;
  });
}
