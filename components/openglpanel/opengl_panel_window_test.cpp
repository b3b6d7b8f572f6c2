// Panels in real windows on Qt's OpenGL: events, pictures read back, failures.
#include "components/openglpanel/panel_testing.h"

#include <QOpenGLContext>

namespace {

using P = TOpenGLPanel;
using Texts = std::vector<std::string>;

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255);

void Clear(const QColor& colour) {
  glClearColor(colour.redF(), colour.greenF(), colour.blueF(), 1);
  glClear(GL_COLOR_BUFFER_BIT);
}

// Each event is recorded by name, with " current" when the panel's context was current.
class PanelEventsTest : public PanelWindowTest {
 protected:
  PanelEventsTest() {
    for (auto [signal, name] : {std::pair(&P::OnPreInit, "OnPreInit"),
                                {&P::OnInit, "OnInit"},
                                {&P::OnResize, "OnResize"},
                                {&P::OnPaint, "OnPaint"}})
      QObject::connect(panel, signal, [this, name](QObject* sender) {
        EXPECT_EQ(sender, panel);
        const bool current = QOpenGLContext::currentContext() == panel->context();
        events.push_back(name + std::string(current ? " current" : ""));
      });
  }

  // The panel's shown picture and the screen both near `colour` at (x, 80).
  void ExpectShown(int x, const QColor& colour) {
    EXPECT_TRUE(testkit::Near(FrontPixel(*panel, x, 80), colour)) << x;
    EXPECT_TRUE(testkit::Near(ScreenPixel(*panel, {x, 80}), colour)) << x;
  }

  Texts events;
};

TEST_F(PanelEventsTest, EventsRunInOrderWithTheContextCurrentAndAgainInANewWindow) {
  QObject::connect(panel, &P::OnPaint, [] { Clear(kBlue); });
  Show();
  EXPECT_EQ(Texts(events.begin(), events.begin() + 4),
            (Texts{"OnPreInit", "OnInit current", "OnResize current", "OnPaint current"}));
  events.clear();
  panel->resize(180, 150);
  panel->repaint();
  EXPECT_EQ(events.front(), "OnResize current");
  EXPECT_EQ(std::count(events.begin(), events.end(), "OnPaint current"), events.size() - 1);
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  // Qt makes a new context in another window: the panel starts over in it.
  events.clear();
  QWidget other;
  panel->setParent(&other);
  other.show();
  panel->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  panel->repaint();
  EXPECT_EQ(Texts(events.begin(), events.begin() + 2), (Texts{"OnPreInit", "OnInit current"}));
  ExpectShown(100, kBlue);
  EXPECT_TRUE(messages.texts.empty());
  panel->setParent(&window);  // destroyed with the fixture's window
}

// In Manual mode a paint that does not swap leaves the shown picture until the
// application swaps, in a paint or outside one.
TEST_F(PanelEventsTest, PaintsAreShownBeforeRepaintReturnsAndManualModeKeepsThemUntilASwap) {
  QColor right = kRed;
  QObject::connect(panel, &P::OnPaint, [&] {
    Clear(right);
    glEnable(GL_SCISSOR_TEST);  // left half green
    glScissor(0, 0, 100, 160);
    Clear(kGreen);
    glDisable(GL_SCISSOR_TEST);
    if (right == kBlue)
      panel->SwapBuffers();
  });
  Show();
  ExpectShown(20, kGreen);
  ExpectShown(180, kRed);
  panel->setProperty("GLSwapBuffers", P::Manual);
  right = kGreen;
  panel->repaint();
  ExpectShown(180, kRed);
  panel->MakeOpenGLPanelCurrent();
  panel->SwapBuffers();
  panel->MakeOpenGLPanelNotCurrent();
  panel->repaint();
  ExpectShown(180, kGreen);
  right = kBlue;
  panel->repaint();
  ExpectShown(180, kBlue);
}

// Qt resets the viewport before every paint; the application's own is kept, even when
// another panel's context was current in between.
TEST_F(PanelWindowTest, TheViewportIsTheApplicationsOwn) {
  std::vector<int> painted(4);
  QObject::connect(panel, &P::OnPaint, [&] { glGetIntegerv(GL_VIEWPORT, painted.data()); });
  TOpenGLPanel other(&window);
  other.setGeometry(200, 0, 60, 60);
  Show();
  EXPECT_EQ(painted, (std::vector<int>{0, 0, 200, 160}));
  panel->MakeOpenGLPanelCurrent();
  glViewport(7, 8, 9, 10);
  other.MakeOpenGLPanelCurrent();
  other.MakeOpenGLPanelNotCurrent();
  panel->repaint();
  EXPECT_EQ(painted, (std::vector<int>{7, 8, 9, 10}));
}

// Colour index is a format Qt does not offer: creation fails with its messages. A
// single-buffered panel beside it shows what it draws, with no swap.
TEST_F(PanelEventsTest, FormatsQtOffersOrNot) {
  panel->setProperty("PixelType", P::f_PFD_TYPE_COLORINDEX);
  TOpenGLPanel single(&window);
  single.setGeometry(200, 0, 60, 60);
  single.SetPFDFlags(P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL | P::f_PFD_SUPPORT_GDI);
  QObject::connect(&single, &P::OnPaint, [] { Clear(kBlue); });
  Show();
  single.repaint();
  EXPECT_TRUE(testkit::Near(ScreenPixel(single, {30, 30}), kBlue));
  EXPECT_EQ(messages.texts, (Texts{"ChoosePixelFormat:2000", "Open GL Context Create Failed"}));
  EXPECT_EQ(events, Texts{"OnPreInit"});
  EXPECT_EQ(panel->RenderingContext(), HGLRC{});
}

TEST_F(PanelWindowTest, ExtensionsOfTheCurrentContextOnlyAndWholeNamesOnly) {
  Show();
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention("GL_ARB_multitexture"));  // none current
  panel->MakeOpenGLPanelCurrent();
  const std::string listed = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  const std::string first = listed.substr(0, listed.find(' '));
  EXPECT_TRUE(TOpenGLPanel::QueryOpenGLExtention(first.c_str()));
  for (const std::string& part : {first.substr(1), first.substr(0, first.size() - 1)})
    EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(part.c_str())) << part;
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(nullptr));
  panel->MakeOpenGLPanelNotCurrent();
  EXPECT_EQ(TOpenGLPanel::GetDisplayBPP(), 24);  // as the test display is started
}

}  // namespace
