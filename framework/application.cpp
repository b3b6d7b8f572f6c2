#include "framework/application.h"

#include "framework/command_line.h"
#include "framework/messages.h"

namespace framework {

void ShowException(const std::exception& error) {
  ShowErrorMessage(QString::fromUtf8(error.what()));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(error);
    return false;
  }
}

int RunProgram(int argc, char** argv, const ProgramInfo& program,
               const MainWindowFactory& createMainWindow) {
  QCoreApplication::setApplicationName(program.name);
  QCoreApplication::setApplicationVersion(PROJECT_VERSION_TEXT);
  const StartChoice start = ReadCommandLine(argc, argv, program.description);
  if (start.exit_status)
    return *start.exit_status;
  Application application(argc, argv);
  UseLanguage(start.language);
  try {
    // Timers' guards stop their workers when the loop ends, before the window goes.
    const std::unique_ptr<QWidget> window = createMainWindow();
    if (!window)
      return 1;
    window->show();
    application.exec();
  } catch (const std::exception& error) {
    ShowException(error);
  }
  return 0;
}

}  // namespace framework
