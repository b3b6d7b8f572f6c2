// Panels in real windows on Qt's OpenGL: events, pictures read back, failures.
#include "components/openglpanel/panel_testing.h"
#include "components/openglpanel/qt_gl_platform.h"
#include "ui_panel_test_form.h"

#include <QFrame>
#include <QOpenGLContext>

namespace {

using P = TOpenGLPanel;
using Events = std::vector<std::string>;

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255);

bool IsCurrent(TOpenGLPanel& panel) {
  return panel.context() != nullptr && QOpenGLContext::currentContext() == panel.context();
}

void Clear(const QColor& colour) {
  glClearColor(colour.redF(), colour.greenF(), colour.blueF(), 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// A display list, made in the current context, that clears to `colour`.
GLuint ClearList(const QColor& colour) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  Clear(colour);
  glEndList();
  return list;
}

class PanelEventsTest : public PanelWindowTest {
 protected:
  // Records each event's name and whether the panel's context was current in it.
  void Record(void (P::*signal)(QObject*), const std::string& name) {
    QObject::connect(panel, signal, [this, name](QObject* sender) {
      EXPECT_EQ(sender, panel);
      events.push_back(name + (IsCurrent(*panel) ? " current" : ""));
    });
  }

  // The panel's shown picture and the screen both near `colour` at (x, y).
  void ExpectShown(int x, int y, const QColor& colour) {
    EXPECT_TRUE(testkit::Near(FrontPixel(*panel, x, y), colour)) << x;
    EXPECT_TRUE(testkit::Near(ScreenPixel(*panel, {x, y}), colour)) << x;
  }

  Events events;
};

TEST_F(PanelEventsTest, EventsRunInOrderWithTheContextCurrentAndAgainInANewWindow) {
  for (const auto& [signal, name] : {std::pair(&P::OnPreInit, "OnPreInit"),
                                     {&P::OnInit, "OnInit"},
                                     {&P::OnResize, "OnResize"},
                                     {&P::OnPaint, "OnPaint"}})
    Record(signal, name);
  QObject::connect(panel, &P::OnPreInit, [this] { EXPECT_EQ(panel->RenderingContext(), HGLRC{}); });
  GLuint list = 0;
  QObject::connect(panel, &P::OnInit, [&] { list = ClearList(kBlue); });
  QObject::connect(panel, &P::OnPaint, [&] { glCallList(list); });
  Show();
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ(Events(events.begin(), events.begin() + 4),
            (Events{"OnPreInit", "OnInit current", "OnResize current", "OnPaint current"}));
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);

  events.clear();
  panel->resize(180, 150);
  panel->repaint();
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events.front(), "OnResize current");
  EXPECT_EQ(std::count(events.begin(), events.end(), "OnPaint current"), events.size() - 1);
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);

  // Qt makes a new context in another window: the panel starts over in it.
  events.clear();
  QWidget other;
  other.resize(220, 180);
  panel->setParent(&other);
  panel->show();
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  panel->repaint();
  EXPECT_EQ(Events(events.begin(), events.begin() + 2), (Events{"OnPreInit", "OnInit current"}));
  ExpectShown(100, 80, kBlue);
  EXPECT_TRUE(messages.texts.empty());
  panel->setParent(&window);  // destroyed with the fixture's window
}

TEST_F(PanelEventsTest, PaintedPixelsAreShownBeforeRepaintReturnsAndKeptBetweenPaints) {
  const QMetaObject::Connection painter = QObject::connect(panel, &P::OnPaint, [] {
    Clear(kRed);
    glEnable(GL_SCISSOR_TEST);  // left half green
    glScissor(0, 0, 100, 160);
    Clear(kGreen);
    glDisable(GL_SCISSOR_TEST);
  });
  Show();
  ExpectShown(20, 80, kGreen);
  ExpectShown(180, 80, kRed);
  // Uncovered with no painter bound, the panel shows what the last paint left.
  QObject::disconnect(painter);
  QFrame cover(panel);
  cover.setGeometry(170, 70, 20, 20);
  cover.show();
  QTest::qWait(0);
  cover.hide();
  panel->repaint();
  ExpectShown(180, 80, kRed);
}

TEST_F(PanelEventsTest, ManualModeKeepsThePreviousPictureUntilSwapBuffers) {
  panel->setProperty("GLSwapBuffers", P::Manual);
  QColor colour = kGreen;
  QObject::connect(panel, &P::OnPaint, [&] {
    Clear(colour);
    if (colour == kGreen)
      panel->SwapBuffers();
  });
  Show();
  colour = kRed;
  panel->repaint();
  ExpectShown(100, 80, kGreen);
  // The red picture waits in the back buffer until the application swaps.
  panel->MakeOpenGLPanelCurrent();
  panel->SwapBuffers();
  panel->MakeOpenGLPanelNotCurrent();
  panel->repaint();
  ExpectShown(100, 80, kRed);
}

TEST_F(PanelWindowTest, ViewportAndSharedListsSurviveAnotherPanelsContext) {
  std::vector<int> initial(4), painted(4);
  GLuint list = 0;
  QObject::connect(panel, &P::OnInit, [&] {
    glGetIntegerv(GL_VIEWPORT, initial.data());
    glViewport(5, 6, 50, 40);
    list = ClearList(kGreen);
  });
  QObject::connect(panel, &P::OnPaint, [&] { glGetIntegerv(GL_VIEWPORT, painted.data()); });
  auto* other = new TOpenGLPanel(&window);
  other->setGeometry(200, 0, 60, 60);
  QObject::connect(other, &P::OnPaint, [&] { glCallList(list); });
  Show();
  const int ratio = int(panel->devicePixelRatioF());
  EXPECT_EQ(initial, (std::vector<int>{0, 0, 200 * ratio, 160 * ratio}));
  EXPECT_EQ(painted, (std::vector<int>{5, 6, 50, 40}));
  panel->MakeOpenGLPanelCurrent();
  glViewport(7, 8, 9, 10);
  other->MakeOpenGLPanelCurrent();
  other->MakeOpenGLPanelNotCurrent();
  panel->repaint();
  EXPECT_EQ(painted, (std::vector<int>{7, 8, 9, 10}));

  EXPECT_TRUE(panel->PanelShareLists(other));
  other->repaint();
  EXPECT_TRUE(testkit::Near(FrontPixel(*other, 30, 30), kGreen));
  QWidget elsewhere;
  TOpenGLPanel apart(&elsewhere);
  elsewhere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
  EXPECT_FALSE(panel->PanelShareLists(&apart));
  EXPECT_FALSE(panel->PanelShareLists(nullptr));
}

TEST_F(PanelEventsTest, FormatNoStackOffersFailsCreationWithItsMessages) {
  panel->setProperty("PixelType", P::f_PFD_TYPE_COLORINDEX);
  Record(&P::OnInit, "OnInit");
  Record(&P::OnPaint, "OnPaint");
  Show();
  EXPECT_EQ(messages.texts, (Events{"ChoosePixelFormat:2000", "Open GL Context Create Failed"}));
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(panel->RenderingContext(), HGLRC{});
  EXPECT_FALSE(IsCurrent(*panel));
}

TEST_F(PanelWindowTest, QtDescribesWhatItMadeAndTheCurrentContextsExtensions) {
  Show();
  QtGLPlatform platform;
  const HDC dc = platform.GetDC(panel);
  PIXELFORMATDESCRIPTOR pfd = panel->RequestedPixelFormat();
  const int format = platform.ChoosePixelFormat(dc, pfd);
  ASSERT_EQ(platform.SetPixelFormat(dc, format, pfd), 1);
  ASSERT_NE(platform.DescribePixelFormat(dc, format, sizeof(pfd), &pfd), 0);
  EXPECT_EQ(std::tuple(pfd.iPixelType, pfd.dwFlags),
            std::tuple(PFD_TYPE_RGBA, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER));
  EXPECT_EQ(pfd.cColorBits, pfd.cRedBits + pfd.cGreenBits + pfd.cBlueBits);
  EXPECT_GE(pfd.cRedBits, 5);
  EXPECT_GE(pfd.cDepthBits, 16);
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);  // describing leaves none current
  EXPECT_EQ(platform.ReleaseDC(panel, dc), 1);
  EXPECT_EQ(TOpenGLPanel::GetDisplayBPP(), 24);  // as the test display is started
  EXPECT_FALSE(TOpenGLPanel::SetDisplayBPP(16));

  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention("GL_ARB_multitexture"));  // none current
  panel->MakeOpenGLPanelCurrent();
  const std::string listed = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  const std::string first = listed.substr(0, listed.find(' '));
  EXPECT_TRUE(TOpenGLPanel::QueryOpenGLExtention(first.c_str()));
  for (const std::string& part : {first.substr(1), first.substr(0, first.size() - 1)})
    EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(part.c_str())) << part;
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(nullptr));
  panel->MakeOpenGLPanelNotCurrent();
}

}  // namespace

// A layout compiled by uic declares the panel, sets its properties and binds its events.
class PanelTestForm : public QWidget {
  Q_OBJECT

 public:
  PanelTestForm() { ui.setupUi(this); }

  Ui::PanelTestForm ui;
  int inits = 0;
  QObject* paint_sender = nullptr;

 public slots:
  void OpenGLPanel1Init(QObject*) {
    ++inits;
    glClearColor(0, 0.5f, 1, 1);
  }
  void OpenGLPanel1Paint(QObject* sender) {
    paint_sender = sender;
    glClear(GL_COLOR_BUFFER_BIT);
  }
};

TEST(PanelFormTest, LayoutSetsPropertiesAndBindsInitAndPaint) {
  CollectedMessages messages;
  PanelTestForm form;
  TOpenGLPanel& panel = *form.ui.OpenGLPanel1;
  EXPECT_EQ(panel.PFDFlags(),
            P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL | P::f_PFD_SUPPORT_GDI);
  EXPECT_EQ(panel.property("PixelsPerInch").toInt(), 120);
  EXPECT_FLOAT_EQ(panel.property("Font3D_Extrustion").toFloat(), 0.25f);
  EXPECT_EQ(panel.property("GLSwapBuffers").value<P::TOpenGLSwapBuffers>(), P::Manual);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  panel.repaint();
  EXPECT_EQ(form.inits, 1);
  EXPECT_EQ(form.paint_sender, &panel);
  EXPECT_TRUE(testkit::Near(ScreenPixel(panel, {100, 100}), QColor(0, 128, 255), 2));
  EXPECT_TRUE(testkit::Near(ScreenPixel(panel, {30, 30}), QColor(255, 255, 0)));  // its child
  EXPECT_TRUE(messages.texts.empty());
}

#include "opengl_panel_window_test.moc"
