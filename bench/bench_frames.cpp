// Frame benchmark, run by hand on a display:
//   build/bin/bench_frames vorlat|tamsel [--seconds S] [--screenshot FILE]
// Opens the real main window, sets its simulation moving, lets its animation timer
// tick for S seconds (5 by default), closes it, and prints one figure a line. The
// screenshot is what the screen shows, as a student sees the window.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "apps/tamsel/form1.h"
#include "apps/vorlat/form1.h"
#include "components/animtimer/animtimer.h"
#include "components/openglpanel/opengl_panel.h"

namespace {

// A program's window and the menu items that set its scene moving, in order.
struct Mode {
  std::function<std::unique_ptr<QWidget>()> create;
  std::vector<const char*> start_commands;
};

const std::map<std::string, Mode>& Modes() {
  static const std::map<std::string, Mode> modes = {
      {"vorlat", {[] { return std::make_unique<TForm1>(); }, {"About", "Comenzar"}}},
      {"tamsel", {[] { return std::make_unique<tamsel::TForm1>(); }, {"Rotacion2", "Comenzar"}}},
  };
  return modes;
}

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double ResidentMegabytes() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly))
    return 0.0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:"))
      return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
  return 0.0;
}

int Usage() {
  std::fprintf(stderr, "usage: bench_frames MODE [--seconds S] [--screenshot FILE]\nmodes:");
  for (const auto& entry : Modes()) std::fprintf(stderr, " %s", entry.first.c_str());
  std::fprintf(stderr, "\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() < 2 || !Modes().contains(args[1].toStdString()))
    return Usage();
  const Mode& mode = Modes().at(args[1].toStdString());
  double seconds = 5.0;
  QString screenshot;
  for (int i = 2; i < args.size(); i += 2) {
    if (i + 1 < args.size() && args[i] == "--seconds")
      seconds = args[i + 1].toDouble();
    else if (i + 1 < args.size() && args[i] == "--screenshot")
      screenshot = args[i + 1];
    else
      return Usage();
  }

  using Clock = std::chrono::steady_clock;
  const auto opened = Clock::now();
  std::unique_ptr<QWidget> window = mode.create();
  auto* panel = window->findChild<TOpenGLPanel*>("OpenGLPanel1");
  auto* timer = window->findChild<TAnimTimer*>("AnimTimer1");

  double first_frame_ms = -1.0;
  QObject::connect(panel, &TOpenGLPanel::OnPaint, &app, [&] {
    if (first_frame_ms < 0)
      first_frame_ms = std::chrono::duration<double, std::milli>(Clock::now() - opened).count();
  });

  long ticks = 0;
  double cpu_start = 0.0, cpu_seconds = 0.0, wall_seconds = 0.0, rss_mb = 0.0;
  Clock::time_point started;
  QTimer::singleShot(0, &app, [&] {
    for (const char* name : mode.start_commands) window->findChild<QAction*>(name)->trigger();
    QObject::connect(timer, &TAnimTimer::OnTimer, &app, [&] { ++ticks; });
    cpu_start = CpuSeconds();
    started = Clock::now();
  });
  QTimer::singleShot(int(seconds * 1000), &app, [&] {
    cpu_seconds = CpuSeconds() - cpu_start;
    wall_seconds = std::chrono::duration<double>(Clock::now() - started).count();
    rss_mb = ResidentMegabytes();
    if (!screenshot.isEmpty())
      window->screen()->grabWindow(window->winId()).save(screenshot);
    window->close();
  });
  window->show();
  QApplication::exec();

  std::printf("ticks_per_second %.1f\n", double(ticks) / wall_seconds);
  std::printf("cpu_ms_per_tick %.2f\n", ticks ? 1000.0 * cpu_seconds / double(ticks) : 0.0);
  std::printf("first_frame_ms %.0f\n", first_frame_ms);
  std::printf("rss_mb %.1f\n", rss_mb);
  return 0;
}
