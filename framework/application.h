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
// ShowException and the program goes on.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// What the command line and the settings know a program by.
struct ProgramInfo {
  const char* name;         // also the settings file's
  const char* description;  // marked in the context "framework::CommandLine"
};

// Program entry: reads the command line (--help and --version leave at once, a bad
// argument with 2), makes the application object in the language chosen, creates the
// main window, shows it and runs the message loop until the application quits. An
// exception escaping these steps is shown; the entry returns 0. A factory that gives no
// window (having shown why) ends the program at once with 1.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>()>;
int RunProgram(int argc, char** argv, const ProgramInfo& program,
               const MainWindowFactory& createMainWindow);

}  // namespace framework
