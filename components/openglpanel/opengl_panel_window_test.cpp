#include "components/openglpanel/opengl_panel.h"
#include "components/openglpanel/panel_pixels.h"
#include "components/openglpanel/qt_gl_platform.h"

#include <QFrame>
#include <QTest>

#include <gtest/gtest.h>


namespace {

using P = TOpenGLPanel;
using Events = std::vector<std::string>;

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

bool PanelIsCurrent(TOpenGLPanel& panel) {
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

// A top-level window holding one 200 x 160 panel; messages are collected.
class PanelWindowTest : public testing::Test {
 protected:
  PanelWindowTest() : panel(new TOpenGLPanel(&window)) {
    window.resize(260, 200);
    panel->setGeometry(0, 0, 200, 160);
  }

  void Show() {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    panel->repaint();
  }

  // Records each event's name and whether the panel's context was current in it.
  void Record(void (P::*signal)(QObject*), const std::string& name) {
    TOpenGLPanel* source = panel;
    QObject::connect(source, signal, [this, source, name](QObject* sender) {
      EXPECT_EQ(sender, source);
      events.push_back(name + (PanelIsCurrent(*source) ? " current" : ""));
    });
  }

  CollectedMessages messages;
  QWidget window;
  TOpenGLPanel* panel;
  Events events;
};

TEST_F(PanelWindowTest, EventsRunInOrderWithTheContextCurrentOnlyInside) {
  Record(&P::OnPreInit, "OnPreInit");
  Record(&P::OnInit, "OnInit");
  Record(&P::OnResize, "OnResize");
  Record(&P::OnPaint, "OnPaint");
  QObject::connect(panel, &P::OnPreInit, [this] { EXPECT_EQ(panel->RenderingContext(), HGLRC{}); });
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
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PanelWindowTest, ManualModeKeepsThePreviousPictureUntilSwapBuffers) {
  panel->setProperty("GLSwapBuffers", P::Manual);
  QColor colour = kGreen;
  bool swap = true;
  QObject::connect(panel, &P::OnPaint, [&] {
    Clear(colour);
    if (swap)
      panel->SwapBuffers();
  });
  Show();
  EXPECT_TRUE(Near(FrontPixel(*panel, 100, 80), kGreen));

  colour = kRed;
  swap = false;
  panel->repaint();
  EXPECT_TRUE(Near(FrontPixel(*panel, 100, 80), kGreen));
  EXPECT_TRUE(Near(ScreenPixel(*panel, {100, 80}), kGreen));

  // The red picture waits in the back buffer until the application swaps.
  panel->MakeOpenGLPanelCurrent();
  panel->SwapBuffers();
  panel->MakeOpenGLPanelNotCurrent();
  EXPECT_TRUE(Near(FrontPixel(*panel, 100, 80), kRed));
  panel->repaint();
  EXPECT_TRUE(Near(ScreenPixel(*panel, {100, 80}), kRed));
}

TEST_F(PanelWindowTest, PaintedPixelsAreShownAndKeptBetweenPaints) {
  const QMetaObject::Connection painter = QObject::connect(panel, &P::OnPaint, [] {
    Clear(kRed);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 2, 0, 2, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(0, 1, 0);
    glRectf(0, 0, 1, 2);  // left half green
  });
  Show();
  panel->repaint();
  for (const auto& [x, colour] : {std::pair(20, kGreen), std::pair(180, kRed)}) {
    EXPECT_TRUE(Near(FrontPixel(*panel, x, 80), colour)) << x;
    EXPECT_TRUE(Near(ScreenPixel(*panel, {x, 80}), colour)) << x;
  }
  // Uncovered with no painter bound, the panel shows what the last paint left.
  QObject::disconnect(painter);
  QFrame cover(panel);
  cover.setGeometry(170, 70, 20, 20);
  cover.show();
  QTest::qWait(0);
  cover.hide();
  panel->repaint();
  EXPECT_TRUE(Near(FrontPixel(*panel, 180, 80), kRed));
  EXPECT_TRUE(Near(ScreenPixel(*panel, {180, 80}), kRed));
}

TEST_F(PanelWindowTest, TheViewportIsTheOneTheApplicationSet) {
  std::vector<int> initial(4), painted(4);
  QObject::connect(panel, &P::OnInit, [&] {
    glGetIntegerv(GL_VIEWPORT, initial.data());
    glViewport(5, 6, 50, 40);
  });
  QObject::connect(panel, &P::OnPaint, [&] { glGetIntegerv(GL_VIEWPORT, painted.data()); });
  Show();
  const qreal ratio = panel->devicePixelRatioF();
  EXPECT_EQ(initial, (std::vector<int>{0, 0, int(200 * ratio), int(160 * ratio)}));
  EXPECT_EQ(painted, (std::vector<int>{5, 6, 50, 40}));

  // Another panel made current in between does not lose this panel's viewport.
  TOpenGLPanel other(&window);
  other.setGeometry(200, 0, 60, 60);
  other.show();
  other.repaint();
  ASSERT_NE(other.RenderingContext(), HGLRC{});
  panel->MakeOpenGLPanelCurrent();
  glViewport(7, 8, 9, 10);
  other.MakeOpenGLPanelCurrent();
  other.MakeOpenGLPanelNotCurrent();
  panel->repaint();
  EXPECT_EQ(painted, (std::vector<int>{7, 8, 9, 10}));
}

TEST_F(PanelWindowTest, MovingToAnotherWindowRecreatesTheContext) {
  Record(&P::OnPreInit, "OnPreInit");
  Record(&P::OnInit, "OnInit");
  GLuint list = 0;
  QObject::connect(panel, &P::OnInit, [&] { list = ClearList(kBlue); });
  QObject::connect(panel, &P::OnPaint, [&] { glCallList(list); });
  Show();
  ASSERT_EQ(Events(events.begin(), events.begin() + 2), (Events{"OnPreInit", "OnInit current"}));

  QWidget other;
  other.resize(220, 180);
  panel->setParent(&other);
  panel->show();
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  panel->repaint();
  EXPECT_EQ(std::count(events.begin(), events.end(), "OnPreInit"), 2);
  EXPECT_EQ(std::count(events.begin(), events.end(), "OnInit current"), 2);
  EXPECT_NE(panel->RenderingContext(), HGLRC{});
  EXPECT_TRUE(Near(FrontPixel(*panel, 100, 80), kBlue));
  EXPECT_TRUE(messages.texts.empty());
  panel->setParent(&window);  // destroyed with the fixture's window
}

TEST_F(PanelWindowTest, SharedListsCompiledInOnePanelDrawInTheOther) {
  TOpenGLPanel* second = new TOpenGLPanel(&window);
  second->setGeometry(200, 0, 60, 60);
  GLuint list = 0;
  QObject::connect(panel, &P::OnInit, [&] { list = ClearList(kGreen); });
  QObject::connect(second, &P::OnPaint, [&] { glCallList(list); });
  Show();
  ASSERT_NE(list, 0u);
  EXPECT_TRUE(panel->PanelShareLists(second));
  second->repaint();
  EXPECT_TRUE(Near(FrontPixel(*second, 30, 30), kGreen));

  QWidget elsewhere;
  TOpenGLPanel apart(&elsewhere);
  apart.resize(40, 40);
  elsewhere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
  EXPECT_FALSE(panel->PanelShareLists(&apart));
  EXPECT_FALSE(panel->PanelShareLists(nullptr));
}

TEST_F(PanelWindowTest, FormatNoStackOffersFailsCreationWithItsMessages) {
  panel->setProperty("PixelType", P::f_PFD_TYPE_COLORINDEX);
  Record(&P::OnInit, "OnInit");
  Record(&P::OnPaint, "OnPaint");
  Show();
  EXPECT_EQ(messages.texts,
            (std::vector<std::string>{"ChoosePixelFormat:2000", "Open GL Context Create Failed"}));
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(panel->RenderingContext(), HGLRC{});
  EXPECT_FALSE(PanelIsCurrent(*panel));
}

TEST_F(PanelWindowTest, DescribedFormatIsWhatQtCreated) {
  Show();
  QtGLPlatform platform;
  const HDC dc = platform.GetDC(panel);
  PIXELFORMATDESCRIPTOR pfd = panel->RequestedPixelFormat();
  const int format = platform.ChoosePixelFormat(dc, pfd);
  ASSERT_NE(format, 0);
  ASSERT_EQ(platform.SetPixelFormat(dc, format, pfd), 1);
  ASSERT_NE(platform.DescribePixelFormat(dc, format, sizeof(pfd), &pfd), 0);
  EXPECT_EQ(pfd.iPixelType, PFD_TYPE_RGBA);
  EXPECT_EQ(pfd.cColorBits, pfd.cRedBits + pfd.cGreenBits + pfd.cBlueBits);
  EXPECT_GE(pfd.cRedBits, 5);
  EXPECT_GE(pfd.cDepthBits, 16);
  EXPECT_EQ(pfd.dwFlags, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER);
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  EXPECT_EQ(platform.ReleaseDC(panel, dc), 1);
}

}  // namespace
