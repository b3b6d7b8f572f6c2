// Frame benchmark, run by hand on a display (bench/frames.sh runs every mode):
//   build/bin/bench_frames vorlat|tamsel [--unpaced] [--graphs] [--exact] [--seconds S]
//                          [--screenshot FILE]
//   build/bin/bench_frames plain [--seconds S]
// Opens the real main window, sets its simulation moving, lets it run for S seconds
// (5 by default), closes it, and prints one figure a line. Paced, as a user sees it:
// frames presented per second and the CPU time of all threads, in percent of one
// core. Unpaced, every tick presents a frame: ticks per second and CPU per tick.
// "plain" is our yardstick, a plain Qt program repainted from a 1 ms timer, measured
// as the unpaced mode. The screenshot is what the screen shows, as a student sees it.
// With --graphs the graphs strip is shown from the start of the run, with --exact the run
// moves by exact integration.

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
#include "bench/plain_window.h"
#include "components/openglpanel/opengl_panel.h"

namespace {

using OnFrame = std::function<void()>;

// A program's window, told what to call on every presented frame, and the menu items
// that set its scene moving, in order.
struct Mode {
  std::function<std::unique_ptr<QWidget>(OnFrame, bool paced)> open;
  std::vector<const char*> start_commands;
};

template <class Form>
std::unique_ptr<QWidget> OpenProgram(OnFrame on_frame, bool paced) {
  auto form = std::make_unique<Form>();
  form->Pacer().SetPaced(paced);
  QObject::connect(form->template findChild<TOpenGLPanel*>("OpenGLPanel1"), &TOpenGLPanel::OnPaint,
                   std::move(on_frame));
  return form;
}

const std::map<std::string, Mode>& Modes() {
  static const std::map<std::string, Mode> modes = {
      {"vorlat", {OpenProgram<TForm1>, {"About", "Comenzar"}}},
      {"tamsel", {OpenProgram<tamsel::TForm1>, {"Rotacion2", "Comenzar"}}},
      {"plain", {[](OnFrame on_frame, bool) { return OpenPlainWindow(std::move(on_frame)); }, {}}},
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
  std::fprintf(stderr,
               "usage: bench_frames MODE [--unpaced] [--graphs] [--exact] [--seconds S] "
               "[--screenshot FILE]\n"
               "modes:");
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
  bool paced = args[1] != "plain", graphs = false, exact = false;
  double seconds = 5.0;
  QString screenshot;
  for (int i = 2; i < args.size(); ++i) {
    if (args[i] == "--unpaced")
      paced = false;
    else if (args[i] == "--graphs" && args[1] != "plain")
      graphs = true;
    else if (args[i] == "--exact" && args[1] != "plain")
      exact = true;
    else if (i + 1 < args.size() && args[i] == "--seconds")
      seconds = args[++i].toDouble();
    else if (i + 1 < args.size() && args[i] == "--screenshot")
      screenshot = args[++i];
    else
      return Usage();
  }

  using Clock = std::chrono::steady_clock;
  const auto opened = Clock::now();
  double first_frame_ms = -1.0;
  long frames = 0, frames_at_start = 0;
  double cpu_start = 0.0, cpu_seconds = 0.0, wall_seconds = 0.0, rss_mb = 0.0, refresh_hz = 0.0;
  Clock::time_point started;
  std::unique_ptr<QWidget> window;
  const auto stop = [&] {
    frames -= frames_at_start;
    cpu_seconds = CpuSeconds() - cpu_start;
    wall_seconds = std::chrono::duration<double>(Clock::now() - started).count();
    rss_mb = ResidentMegabytes();
    refresh_hz = window->screen()->refreshRate();
    if (!screenshot.isEmpty())
      window->screen()->grabWindow(window->winId()).save(screenshot);
    window->close();
  };
  // After the first frame: the scene's set-up in it would undo the commands.
  const auto start = [&] {
    if (graphs)
      window->findChild<QAction*>("Graficas")->setChecked(true);
    if (exact)
      window->findChild<QAction*>("Exacta")->setChecked(true);
    for (const char* name : mode.start_commands) window->findChild<QAction*>(name)->trigger();
    frames_at_start = frames;
    cpu_start = CpuSeconds();
    started = Clock::now();
    QTimer::singleShot(int(seconds * 1000), &app, stop);
  };
  window = mode.open(
      [&] {
        if (first_frame_ms < 0) {
          first_frame_ms = std::chrono::duration<double, std::milli>(Clock::now() - opened).count();
          QTimer::singleShot(0, &app, start);
        }
        ++frames;
      },
      paced);
  window->show();
  QApplication::exec();

  if (paced) {
    std::printf("frames_per_second %.1f\n", double(frames) / wall_seconds);
    std::printf("cpu_percent %.1f\n", 100.0 * cpu_seconds / wall_seconds);
    std::printf("screen_refresh_hz %.1f\n", refresh_hz);
  } else {
    std::printf("ticks_per_second %.1f\n", double(frames) / wall_seconds);
    std::printf("cpu_ms_per_tick %.2f\n", frames ? 1000.0 * cpu_seconds / double(frames) : 0.0);
  }
  std::printf("first_frame_ms %.0f\n", first_frame_ms);
  std::printf("rss_mb %.1f\n", rss_mb);
  return 0;
}
