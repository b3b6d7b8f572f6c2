#pragma once
// The application object and the program entry both programs share.

#include <QApplication>
#include <QWidget>

#include <exception>
#include <functional>
#include <memory>

namespace framework {

// Shows an exception's message in the standard error box (or the message sink).
void ShowException(const std::exception& error);

// An exception escaping any event handler (a slot, a paint, a key press) is shown with
// ShowException and the program goes on. Qt's own texts are in Spanish.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Program entry: makes the application object, creates the main window, shows it and
// runs the message loop until the application quits. An exception escaping these steps
// is shown; the entry returns 0. A factory that gives no window (having shown why) ends
// the program at once with 1.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>()>;
int RunProgram(int argc, char** argv, const MainWindowFactory& createMainWindow);

}  // namespace framework
