#include "shell/program_exit.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace shell {
namespace {

TEST(ProgramExitTest, EveryWayOutReleasesOnceAndEndsTheLoop) {
  int releases = 0;
  QWidget window;
  auto* exit = new ProgramExit(&window, [&] { ++releases; });
  window.show();

  // The exit command, then a deactivation and the close that come on the way out.
  QTimer::singleShot(0, &window, [&] {
    exit->Exit();
    exit->Exit();
    window.close();
  });
  EXPECT_EQ(QApplication::exec(), 0);  // returns only once the loop was asked to end
  EXPECT_TRUE(exit->Done());
  EXPECT_EQ(releases, 1);
}

TEST(ProgramExitTest, AWindowDestroyedWithoutAnExitStillReleases) {
  int releases = 0;
  auto window = std::make_unique<QWidget>();
  new ProgramExit(window.get(), [&] { ++releases; });
  EXPECT_EQ(releases, 0);
  window.reset();
  EXPECT_EQ(releases, 1);
}

}  // namespace
}  // namespace shell
