#include "framework/application.h"

#include "framework/conversions.h"
#include "framework/messages.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace framework {
namespace {

// Every case makes its own application object, without a display, and captures the
// texts that would have gone into boxes.
class ApplicationTest : public testing::Test {
 protected:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    SetMessageSink([this](const QString& text) { shown_ << text; });
  }
  void TearDown() override { SetMessageSink(nullptr); }

  int Run(const MainWindowFactory& factory) {
    char name[] = "application_test";
    char* argv[] = {name, nullptr};
    return RunProgram(1, argv, factory);
  }

  QStringList shown_;
};

class ThrowingPaint : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { throw std::runtime_error("paint failed"); }
};

TEST_F(ApplicationTest, AnExceptionEscapingStartUpIsShownAndTheEntryReturnsZero) {
  EXPECT_EQ(Run([]() -> std::unique_ptr<QWidget> { throw ConversionError("abc"); }), 0);
  EXPECT_EQ(shown_.join('|').toStdString(), "'abc' no es un número válido");
}

// The window is shown and the loop runs until the application quits. Exceptions are
// thrown only where no Qt code with locals of its own lies between the handler and the
// application object: unwinding skips the cleanup of Qt's own frames.
TEST_F(ApplicationTest, ExceptionsFromHandlersAreShownAndTheProgramGoesOn) {
  bool visible = false;
  EXPECT_EQ(Run([&] {
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
  EXPECT_TRUE(visible);
  shown_.sort();  // the paint may come later than asked for
  EXPECT_EQ(shown_.join('|').toStdString(), "paint failed|slot failed|slot failed|timer failed");
}

}  // namespace
}  // namespace framework
