// panel-demo: TOpenGLPanel's fonts, BMP texture, saving and printing in one window.
// `panel-demo --grab FILE.png` saves a picture of the window once it shows and quits.
#include "examples/panel-demo/demo_window.h"
#include "framework/application.h"

#include <QTimer>

int main(int argc, char** argv) {
  const QString grab_to = argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--grab")
                              ? QString::fromLocal8Bit(argv[2])
                              : QString();
  // Its own option stays out of the programs' command line.
  const framework::ProgramInfo program{"panel-demo", ""};
  return framework::RunProgram(grab_to.isEmpty() ? argc : 1, argv, program,
                               [&grab_to]() -> std::unique_ptr<QWidget> {
                                 auto window = std::make_unique<DemoWindow>(PANEL_DEMO_TEXTURE);
                                 if (!grab_to.isEmpty()) {
                                   QTimer::singleShot(0, window.get(), [w = window.get(), grab_to] {
                                     w->grab().save(grab_to);
                                     qApp->quit();
                                   });
                                 }
                                 return window;
                               });
}
