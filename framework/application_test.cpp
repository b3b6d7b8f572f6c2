#include "framework/application.h"

#include "framework/conversions.h"
#include "framework/messages.h"

#include <QPaintEvent>
#include <QPushButton>
#include <QTest>
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

TEST_F(ApplicationTest, TheLoopRunsUntilTheApplicationQuits) {
  bool shown = false;
  EXPECT_EQ(Run([&] {
              auto window = std::make_unique<QWidget>();
              QTimer::singleShot(0, window.get(), [&, w = window.get()] {
                shown = w->isVisible();
                QApplication::quit();
              });
              return window;
            }),
            0);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(shown_.isEmpty());
}

TEST_F(ApplicationTest, ExceptionsFromHandlersAreShownAndTheProgramGoesOn) {
  EXPECT_EQ(Run([] {
              auto window = std::make_unique<QWidget>();
              auto* button = new QPushButton("x", window.get());
              QObject::connect(button, &QPushButton::clicked,
                               [] { throw std::runtime_error("click failed"); });
              auto* painter = new ThrowingPaint;
              painter->setParent(window.get());
              QTimer::singleShot(0, window.get(), [=] {
                QTest::mouseClick(button, Qt::LeftButton);
                painter->repaint();
                QTest::mouseClick(button, Qt::LeftButton);
                QTimer::singleShot(0, [] { throw std::runtime_error("tick failed"); });
                QTimer::singleShot(1, &QApplication::quit);
              });
              return window;
            }),
            0);
  shown_.sort();  // the paint may come later than asked for
  EXPECT_EQ(shown_.join('|').toStdString(), "click failed|click failed|paint failed|tick failed");
}

}  // namespace
}  // namespace framework
