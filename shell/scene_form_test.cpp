#include "shell/scene_form.h"

#include <GL/gl.h>
#include <qcustomplot.h>
#include <signal.h>
#include <sys/resource.h>

#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <map>
#include <tuple>

#include "components/animtimer/animtimer.h"
#include "components/openglpanel/opengl_panel.h"
#include "record/history.h"
#include "shell/form_testing.h"
#include "shell/run_tools.h"
#include "shell/save_files.h"
#include "testing/pixels.h"

namespace shell {
namespace {

// A scene as the programs have one: from initialize to release it fills its area with red.
bool scene_exists = false;
int releases = 0;
std::array<int, 3> angles;
float modelview[16];  // as the camera left it

Scene RedScene() {
  Scene scene;
  scene.initialize = [] { scene_exists = true; };
  scene.run_frame = [] {
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();  // the projection is the identity too
    glColor3f(1, 0, 0);
    if (scene_exists)
      glRectf(-1, -1, 1, 1);
  };
  scene.release = [] {
    scene_exists = false;
    ++releases;
  };
  scene.set_euler_angles = [](int phi, int theta, int psi) { angles = {phi, theta, psi}; };
  scene.viewport = QSize(200, 100);
  return scene;
}

constexpr float ZoomSpeed = 6.0f;

class TestForm : public SceneForm {
 public:
  TestForm() : SceneForm(-10.0f, ZoomSpeed, RedScene()) {
    setCentralWidget(new QWidget(this));
    setMenuBar(new QMenuBar(this));
    auto* panel = new TOpenGLPanel(centralWidget());
    panel->setObjectName("OpenGLPanel1");
    panel->setGeometry(0, 0, 400, 400);
    connect(panel, &TOpenGLPanel::OnInit, this, &SceneForm::OpenGLPanel1Init);
    connect(panel, &TOpenGLPanel::OnPaint, this, &SceneForm::OpenGLPanel1Paint);
    auto* timer = new TAnimTimer(centralWidget());
    timer->setObjectName("AnimTimer1");
    connect(timer, &TAnimTimer::OnTimer, this, &SceneForm::AnimTimer1Timer);
    connect(this, &MainForm::Deactivated, this, &SceneForm::FormDeactivate);
    setFont(QFont("MS Sans Serif", 8));  // 8 points stand for 11 pixels
    parts = {panel, {}, {}, new QLabel(centralWidget()), {new QPushButton("&Ok", centralWidget())}};
    for (QScrollBar*& bar : parts.bars) bar = new QScrollBar(centralWidget());
    for (int i = 0; i < 3; ++i)  // beside the drawing
      (parts.angle_texts[i] = new QLabel(centralWidget()))->setGeometry(410, 10 + 30 * i, 80, 20);
    connect(parts.bars[1], &QScrollBar::valueChanged, this, &SceneForm::ScrollBar2Change);
    FinishWindow(parts, 500, 400, QPixmap(32, 32), QPixmap(8, 8));
  }
  // The last angle's label counts the frames; the others keep their text.
  void AfterTick() override { parts.angle_texts[2]->setText(QString::number(++frames)); }

  SceneWidgets parts;
  int frames = 0;
};

// The texts its labels showed in the paint events they received.
struct PaintedTexts : QObject {
  std::map<QObject*, QStringList> texts;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      texts[watched] << static_cast<QLabel*>(watched)->text();
    return false;
  }
};

using SceneFormTest = testing::FormFixture<TestForm>;

TEST_F(SceneFormTest, AFixedWindowDrawingThroughTheCameraThatKeysTurn) {
  EXPECT_EQ(form->pos(), QPoint(50, 50));
  EXPECT_EQ(form->centralWidget()->size(), QSize(500, 400));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_EQ(form->font().pixelSize(), 11);
  EXPECT_FALSE(form->windowIcon().isNull());
  const QImage drawing = form->parts.panel->Capture();
  EXPECT_EQ(testkit::CountPixels(drawing, Qt::red, 8, QRect(0, 300, 200, 100)), 200 * 100);
  EXPECT_EQ(testkit::CountPixels(drawing, Qt::red), 200 * 100);  // nowhere else
  // The camera shows simulation z up, y to the right and x towards us, 10 away.
  for (const auto& [index, value] : {std::pair{9, 1.0f}, {4, 1.0f}, {2, 1.0f}, {14, -10.0f}})
    EXPECT_NEAR(modelview[index], value, 1e-6f) << index;
  form->ViewCamera().ViewYaw = 90.0f;  // a quarter turn about the screen's vertical
  form->parts.panel->Capture();
  EXPECT_NEAR(modelview[6], -1.0f, 1e-6f);  // takes y away from us
  form->parts.bars[1]->setValue(30);
  EXPECT_EQ(angles, (std::array<int, 3>{0, 30, 0}));
  EXPECT_EQ(form->parts.angle_texts[1]->text(), "30");
  // Keys set rates per second, the last of I and O wins; a real release stops all.
  const Camera& camera = form->ViewCamera();
  const auto rates = [&] {
    return std::array{camera.ViewYawRate, camera.ViewPitchRate, camera.ViewDistanceRate};
  };
  constexpr float T = TurnSpeed, Z = ZoomSpeed;
  const std::pair<Qt::Key, std::array<float, 3>> presses[] = {
      {Qt::Key_Left, {T, 0, 0}}, {Qt::Key_Down, {T, -T, 0}}, {Qt::Key_I, {T, -T, Z}},
      {Qt::Key_O, {T, -T, -Z}},  {Qt::Key_X, {T, -T, -Z}},   {Qt::Key_Right, {-T, -T, -Z}},
      {Qt::Key_Up, {-T, T, -Z}}};
  for (const auto& [key, expected] : presses) {
    QTest::keyPress(form.get(), key);
    EXPECT_EQ(rates(), expected) << key;
  }
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(form.get(), &repeat);
  EXPECT_EQ(rates(), (std::array{-T, T, -Z}));
  QTest::keyRelease(form.get(), Qt::Key_X);
  EXPECT_EQ(rates(), (std::array<float, 3>{}));
}

// A left drag over the drawing turns the view as the matching arrow held for as many
// degrees, a wheel notch moves it as I or O held for NotchSeconds; other buttons do nothing.
TEST_F(SceneFormTest, ADragAndTheWheelMoveTheCameraAsTheirKeysDo) {
  QWindow* surface = form->parts.panel->DrawingSurface();
  const auto send = [surface](QEvent&& event) { QCoreApplication::sendEvent(surface, &event); };
  const auto drag = [&](Qt::MouseButton button, QPoint by) {
    return [=] {
      const QPoint from(100, 100);
      send(QMouseEvent(QEvent::MouseButtonPress, from, from, button, button, {}));
      for (QPoint to : {from + by / 2, from + by})
        send(QMouseEvent(QEvent::MouseMove, to, to, Qt::NoButton, button, {}));
    };
  };
  const auto wheel = [&](int delta) {
    return [=] { send(QWheelEvent({}, {}, {}, {0, delta}, {}, {}, Qt::NoScrollPhase, false)); };
  };
  const std::tuple<std::function<void()>, int, double> cases[] = {
      {drag(Qt::LeftButton, {40, 0}), VK_LEFT, 40 * DragTurn / TurnSpeed},
      {drag(Qt::LeftButton, {0, 24}), VK_UP, 24 * DragTurn / TurnSpeed},
      {drag(Qt::RightButton, {50, 50}), VK_LEFT, 0.0},
      {wheel(120), VK_I, NotchSeconds},
      {wheel(-360), VK_O, 3 * NotchSeconds}};
  Camera& camera = form->ViewCamera();
  for (const auto& [mouse, key, seconds] : cases) {
    Camera keyed = camera;
    keyed.KeyDown(key);
    keyed.Tick(seconds);
    mouse();
    EXPECT_NEAR(camera.ViewYaw, keyed.ViewYaw, 1e-4) << key;
    EXPECT_NEAR(camera.ViewPitch, keyed.ViewPitch, 1e-4) << key;
    EXPECT_NEAR(camera.ViewDistance, keyed.ViewDistance, 1e-5) << key;
  }
}

// A tick presents a frame only when the display's next refresh is due, keeping its
// rhythm and never in a burst: it moves the camera for the time since the last frame,
// draws, and paints the labels whose text changed before it returns, and no others.
TEST_F(SceneFormTest, ATickPresentsAFrameOnlyWhenTheRefreshIsDue) {
  double now = 0.0;
  form->Pacer() = FramePacer([&] { return now; });
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_I}) QTest::keyPress(form.get(), key);
  const Camera& camera = form->ViewCamera();
  const auto place = [&] {
    return std::array{camera.ViewYaw, camera.ViewPitch, camera.ViewDistance};
  };
  PaintedTexts painted;
  const auto& labels = form->parts.angle_texts;
  for (QLabel* label : labels) label->installEventFilter(&painted);
  QSignalSpy draws(form->parts.panel, &TOpenGLPanel::OnPaint);
  const double period = 1.0 / form->screen()->refreshRate();
  // When, in refresh periods, and how long the frame covers (none: no frame): late at 61.2,
  // in rhythm at 62.01, a stall at 80, then no burst.
  const std::pair<double, double> ticks[] = {{60.0, 60.0},  {60.5, 0.0},   {61.2, 1.2}, {61.9, 0.0},
                                             {62.01, 0.81}, {80.0, 17.99}, {80.9, 0.0}};
  for (const auto& [at, covered] : ticks) {
    SCOPED_TRACE(at);
    const auto [yaw, pitch, distance] = place();
    draws.clear();
    painted.texts.clear();
    now = at * period;
    form->AnimTimer1Timer();
    const bool presents = covered > 0.0;
    EXPECT_EQ(draws.count(), presents ? 1 : 0);
    const double seconds = covered * period;
    EXPECT_NEAR(camera.ViewYaw - yaw, TurnSpeed * seconds, 1e-4);
    EXPECT_NEAR(camera.ViewPitch - pitch, -TurnSpeed * seconds, 1e-4);
    EXPECT_NEAR(camera.ViewDistance - distance, ZoomSpeed * seconds, 1e-4);
    // Painted once, with its new text, before the tick returned.
    EXPECT_EQ(painted.texts[labels[2]], presents ? QStringList{labels[2]->text()} : QStringList());
    EXPECT_EQ(painted.texts[labels[0]], QStringList());
  }
}

// Whichever way the program ends, the scene is released once; our own modal boxes do not end it.
TEST_F(SceneFormTest, EveryWayOutReleasesTheSceneOnce) {
  QMessageBox box(QMessageBox::NoIcon, "t", "modal", QMessageBox::Ok);
  ASSERT_TRUE(testing::ShowActive(box));
  box.hide();
  ASSERT_TRUE(testing::ShowActive(*form));
  EXPECT_TRUE(scene_exists);
  QWidget other;
  const std::pair<const char*, std::function<void()>> ways_out[] = {
      {"exit command", [&] { form->SalirClick(); }},
      {"close button", [&] { form->close(); }},
      {"exit, then the deactivation it brings",
       [&] {
         form->SalirClick();
         form->FormDeactivate();
       }},
      {"another window of the program", [&] {
         other.show();
         other.activateWindow();
       }}};
  for (const auto& [way, leave] : ways_out) {
    SCOPED_TRACE(way);
    form = std::make_unique<TestForm>();
    ASSERT_TRUE(testing::ShowActive(*form));
    releases = 0;
    testing::ExpectExitBy(*form, leave, [] { return scene_exists; });
    form.reset();
    EXPECT_EQ(releases, 1);
  }
  form = std::make_unique<TestForm>();  // never shown, never ended: released when destroyed
  releases = 0;
  form.reset();
  EXPECT_EQ(releases, 1);
}

// A run of 0.3 s rows whose `a` is a wave, shown as it is and as a drift; 2000 rows, ten
// minutes, are kept.
struct RunToolsTest : SceneFormTest {
  void SetUp() override {
    SceneFormTest::SetUp();
    graphs.setCheckable(true);
    const RowValue a = ColumnValue(history, "a");
    tools =
        new RunTools(*form, *form->parts.panel, history, "prueba", {&graphs, &export_data, &image},
                     {{0.1, {{"a", "a (m)", Qt::blue}, DriftCurve("a (%)", Qt::red, {a, a})}}});
  }
  void AddRows(int count) {
    for (int i = 0; i < count; ++i) {
      const double t = 0.3 * double(history.Added()), row[] = {t, std::sin(t)};
      history.Add(row);
    }
  }
  record::History history{{"t", "a"}, 2000};
  QAction graphs, export_data, image;
  RunTools* tools;
};

// Made when first shown, the curves follow the rows, stand still while none come, go with a reset.
TEST_F(RunToolsTest, TheStripFollowsTheRun) {
  EXPECT_EQ(form->findChild<QCustomPlot*>(), nullptr);
  graphs.setChecked(true);
  auto* strip = form->findChild<GraphsStrip*>();
  ASSERT_TRUE(WaitForTicks(2));
  const auto blue = [&] { return testkit::CountPixels(strip->grab().toImage(), Qt::blue, 40); };
  const int legend = blue();
  AddRows(30);
  ASSERT_TRUE(WaitForTicks(4));
  EXPECT_GT(blue(), legend + 100);
  // The drift starts at the first row where `a` is not zero: the second, 0.3 s in.
  const QCPGraph* drift = form->findChild<QCustomPlot*>()->graph(1);
  ASSERT_EQ(drift->dataCount(), 30);
  EXPECT_TRUE(std::isnan(drift->data()->at(0)->value));
  for (int row = 1; row < 30; ++row)
    EXPECT_NEAR(drift->data()->at(row)->value,
                (std::sin(0.3 * row) - std::sin(0.3)) / std::sin(0.3) * 100.0, 1e-9);
  const QImage paused = strip->grab().toImage();
  ASSERT_TRUE(WaitForTicks(4));
  EXPECT_EQ(strip->grab().toImage(), paused);
  history.Clear();
  ASSERT_TRUE(WaitForTicks(2));
  EXPECT_EQ(blue(), legend);
}

// A failed save names the file and why, leaving the earlier file; an export says what it lacks.
TEST_F(RunToolsTest, ASaveSaysWhatWentWrongOrWhatIsMissing) {
  QTemporaryDir folder;
  const QString earlier = folder.filePath("datos.csv");
  ASSERT_TRUE(SaveWhole(earlier, [](QIODevice& file) { return file.write("antes") == 5; }));
  const std::pair<QString, const char*> cases[] = {
      {folder.filePath("falta/datos.csv"), "no existe"},
      {earlier, "no se pudo escribir completo"}};  // the disk full halfway
  signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{1000, limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  for (const auto& [path, reason] : cases) {
    messages.clear();
    EXPECT_FALSE(SaveWhole(path, [](QIODevice& file) {
      return file.write(QByteArray(100000, 'x')) == 100000 && file.write("\n") == 1;
    }));
    EXPECT_TRUE(messages.size() == 1 && messages[0].contains(path) && messages[0].contains(reason))
        << path.toStdString() << ": " << messages.join('|').toStdString();
  }
  setrlimit(RLIMIT_FSIZE, &limit);
  QFile file(earlier);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "antes");
  AddRows(2001);
  messages.clear();
  tools->ExportTo(earlier);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QString(" %1 minutos").arg(std::lround(1999 * 0.3 / 60))));
}

}  // namespace
}  // namespace shell
