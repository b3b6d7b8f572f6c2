#include "framework/application.h"

#include "framework/conversions.h"
#include "framework/messages.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace framework {
namespace {

class ThrowingPaint : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { throw std::runtime_error("paint failed"); }
};

// The entry shows the window, Qt's own texts in Spanish, and runs the loop until the
// application quits; it returns 0 even when start-up fails. Exceptions are thrown only
// where no Qt frame with locals of its own lies above the application object: unwinding
// skips their cleanup.
TEST(ApplicationTest, ExceptionsFromStartUpOrHandlersAreShownAndTheProgramGoesOn) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStringList shown;
  SetMessageSink([&](const QString& text) { shown << text; });
  char name[] = "application_test";
  char* argv[] = {name, nullptr};
  const ProgramInfo program{name, ""};
  EXPECT_EQ(RunProgram(1, argv, program,
                       []() -> std::unique_ptr<QWidget> { throw ConversionError("x"); }),
            0);
  EXPECT_EQ(shown, QStringList{"'x' no es un número válido"});
  EXPECT_EQ(RunProgram(1, argv, program, [] { return nullptr; }), 1);  // said why
  shown.clear();
  bool visible = false;
  QString cancel;
  EXPECT_EQ(RunProgram(1, argv, program,
                       [&] {
                         cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
                         auto window = std::make_unique<QWidget>();
                         auto* painter = new ThrowingPaint;
                         painter->setParent(window.get());
                         const auto fail = [] { throw std::runtime_error("slot failed"); };
                         QTimer::singleShot(0, window.get(), [=, &visible, w = window.get()] {
                           visible = w->isVisible();
                           QMetaObject::invokeMethod(w, fail, Qt::QueuedConnection);
                           painter->repaint();
                           QMetaObject::invokeMethod(w, fail, Qt::QueuedConnection);
                           QTimer::singleShot(0, [] { throw std::runtime_error("timer failed"); });
                           QTimer::singleShot(1, &QApplication::quit);
                         });
                         return window;
                       }),
            0);
  SetMessageSink(nullptr);
  EXPECT_TRUE(visible);
  EXPECT_EQ(cancel, "Cancelar");
  shown.sort();  // the paint may come later than asked for
  EXPECT_EQ(shown.join('|'), "paint failed|slot failed|slot failed|timer failed");
}

}  // namespace
}  // namespace framework
