#include "framework/application.h"

#include "framework/messages.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace framework {

void ShowException(const std::exception& error) {
  ShowErrorMessage(QString::fromUtf8(error.what()));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  // Qt's own dialogs and buttons speak Spanish like the rest; without the file, English.
  auto* qt_texts = new QTranslator(this);
  if (qt_texts->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(qt_texts);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(error);
    return false;
  }
}

int RunProgram(int argc, char** argv, const MainWindowFactory& createMainWindow) {
  Application application(argc, argv);
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
