// Panels in real windows: events, pictures on the screen, fonts, printing, failures.
#include "components/openglpanel/glyph_contours.h"
#include "components/openglpanel/opengl_font.h"
#include "components/openglpanel/opengl_panel.h"
#include "components/openglpanel/panel_file_error.h"
#include "components/openglpanel/qt_gl_platform.h"
#include "framework/messages.h"
#include "testing/pixels.h"

#include <QFile>
#include <QFrame>
#include <QOpenGLContext>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Pixel `at` of `widget` as the X server shows it, child widgets included.
QColor ScreenPixel(QWidget& widget, QPoint at) {
  QWidget* window = widget.window();
  const QImage image = window->screen()->grabWindow(window->winId()).toImage();
  return image.pixelColor((QPointF(widget.mapTo(window, at)) * image.devicePixelRatio()).toPoint());
}

// A 260 x 200 window, a 200 x 160 panel in its corner; message boxes are collected.
class PanelWindowTest : public testing::Test {
 protected:
  PanelWindowTest() : panel(new TOpenGLPanel(&window)) {
    window.resize(260, 200);
    panel->setGeometry(0, 0, 200, 160);
    framework::SetMessageSink(
        [this](const QString& text) { messages.push_back(text.toStdString()); });
  }
  ~PanelWindowTest() override {
    delete panel;  // while its boxes are still collected
    framework::SetMessageSink(nullptr);
  }

  void Show() {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    panel->repaint();
  }

  std::vector<std::string> messages;
  QWidget window;
  TOpenGLPanel* panel;
};

using P = TOpenGLPanel;
using Texts = std::vector<std::string>;

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255);

void Clear(const QColor& colour) {
  glClearColor(colour.redF(), colour.greenF(), colour.blueF(), 1);
  glClear(GL_COLOR_BUFFER_BIT);
}

// The panel's picture on the screen near `colour` at (x, 80).
void ExpectShown(TOpenGLPanel& panel, int x, const QColor& colour) {
  EXPECT_TRUE(testkit::Near(ScreenPixel(panel, {x, 80}), colour)) << x;
}

// The panel's left half green, its right half `right`.
void PaintHalves(const QColor& right) {
  Clear(right);
  glEnable(GL_SCISSOR_TEST);
  glScissor(0, 0, 100, 160);
  Clear(kGreen);
  glDisable(GL_SCISSOR_TEST);
}

TEST_F(PanelWindowTest, EventsRunInOrderWithTheContextCurrentAndAgainOnANewSurface) {
  Texts events;  // " current" when the panel's context was
  for (auto [signal, name] : {std::pair(&P::OnPreInit, "OnPreInit"),
                              {&P::OnInit, "OnInit"},
                              {&P::OnResize, "OnResize"},
                              {&P::OnPaint, "OnPaint"}})
    QObject::connect(panel, signal, [&, name](QObject* sender) {
      EXPECT_EQ(sender, panel);
      const HGLRC context{reinterpret_cast<std::uintptr_t>(QOpenGLContext::currentContext())};
      const bool current = context != HGLRC{} && context == panel->RenderingContext();
      events.push_back(name + std::string(current ? " current" : ""));
    });
  QObject::connect(panel, &P::OnPaint, [] { Clear(kBlue); });
  Show();
  EXPECT_EQ(Texts(events.begin(), events.begin() + 4),
            (Texts{"OnPreInit", "OnInit current", "OnResize current", "OnPaint current"}));
  EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
  // A new native surface: the panel starts over in it.
  events.clear();
  panel->DrawingSurface()->destroy();
  panel->hide();
  panel->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(panel->DrawingSurface()));
  panel->repaint();
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(Texts(events.begin(), events.begin() + 2), (Texts{"OnPreInit", "OnInit current"}));
  ExpectShown(*panel, 100, kBlue);
  EXPECT_TRUE(P::OpenGLAvailable() && messages.empty());  // the check, too, says nothing
}

// In Manual mode the shown picture stays until the application swaps, in a paint or outside.
TEST_F(PanelWindowTest, PaintsAreShownBeforeRepaintReturnsAndManualModeKeepsThemUntilASwap) {
  QColor right = kRed;
  QObject::connect(panel, &P::OnPaint, [&] {
    PaintHalves(right);
    if (right == kBlue)
      panel->SwapBuffers();
  });
  Show();
  ExpectShown(*panel, 20, kGreen);
  ExpectShown(*panel, 180, kRed);
  panel->setProperty("GLSwapBuffers", P::Manual);
  right = kGreen;
  panel->repaint();
  ExpectShown(*panel, 180, kRed);
  panel->MakeOpenGLPanelCurrent();
  panel->SwapBuffers();
  panel->MakeOpenGLPanelNotCurrent();
  panel->repaint();
  ExpectShown(*panel, 180, kGreen);
  right = kBlue;
  panel->repaint();
  ExpectShown(*panel, 180, kBlue);
}

// Qt offers no colour index: creation fails with its messages, and no event follows. A
// single-buffered panel shows what it draws, here from lists it shares with another. The
// application's viewport outlives Qt's reset before each paint and another panel's context.
// Extensions: whole names, current. What the real platform describes is what Qt made; the
// display's depth is read, never changed.
TEST_F(PanelWindowTest, FormatsSharedListsViewportExtensionsAndDisplayDepth) {
  TOpenGLPanel single(&window), indexed(&window);
  single.setGeometry(200, 0, 60, 60);
  single.SetPFDFlags(P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL | P::f_PFD_SUPPORT_GDI);
  GLuint list = 0;
  QObject::connect(&single, &P::OnPaint, [&] { glCallList(list); });
  indexed.setGeometry(200, 100, 60, 60);
  indexed.setProperty("PixelType", P::f_PFD_TYPE_COLORINDEX);
  QObject::connect(&indexed, &P::OnInit, [] { ADD_FAILURE() << "OnInit"; });
  QObject::connect(&indexed, &P::OnPaint, [] { ADD_FAILURE() << "OnPaint"; });
  std::vector<int> painted(4);
  QObject::connect(panel, &P::OnInit, [&] {
    list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    Clear(kGreen);
    glEndList();
  });
  QObject::connect(panel, &P::OnPaint, [&] { glGetIntegerv(GL_VIEWPORT, painted.data()); });
  Show();
  indexed.repaint();
  EXPECT_EQ(messages, (Texts{"ChoosePixelFormat:2000", "Open GL Context Create Failed"}));
  EXPECT_EQ(indexed.RenderingContext(), HGLRC{});
  ASSERT_NE(list, 0u);
  EXPECT_TRUE(panel->PanelShareLists(&single));
  EXPECT_FALSE(panel->PanelShareLists(nullptr));
  single.repaint();
  EXPECT_TRUE(testkit::Near(ScreenPixel(single, {30, 30}), kGreen));

  EXPECT_EQ(painted, (std::vector<int>{0, 0, 200, 160}));
  panel->MakeOpenGLPanelCurrent();
  glViewport(7, 8, 9, 10);
  single.MakeOpenGLPanelCurrent();
  const std::string listed = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  const std::string first = listed.substr(0, listed.find(' '));
  EXPECT_TRUE(TOpenGLPanel::QueryOpenGLExtention(first.c_str()));
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(first.substr(1).c_str()));
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(nullptr));
  single.MakeOpenGLPanelNotCurrent();
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(first.c_str()));  // none current
  panel->repaint();
  EXPECT_EQ(painted, (std::vector<int>{7, 8, 9, 10}));

  QtGLPlatform platform;
  const HDC dc = platform.GetDC(panel->DrawingSurface());
  PIXELFORMATDESCRIPTOR pfd = panel->RequestedPixelFormat();
  const int format = platform.ChoosePixelFormat(dc, pfd);
  ASSERT_NE(format, 0);
  ASSERT_NE(platform.DescribePixelFormat(dc, format, sizeof(pfd), &pfd), 0);
  EXPECT_EQ(pfd.iPixelType, PFD_TYPE_RGBA);
  EXPECT_EQ(pfd.cColorBits, pfd.cRedBits + pfd.cGreenBits + pfd.cBlueBits);
  EXPECT_GE(pfd.cDepthBits, 16);
  EXPECT_EQ(platform.ReleaseDC(panel->DrawingSurface(), dc), 1);

  const int depth = TOpenGLPanel::GetDisplayBPP();
  EXPECT_EQ(depth, window.screen()->depth());
  EXPECT_FALSE(TOpenGLPanel::SetDisplayBPP(depth == 16 ? 24 : 16));
  EXPECT_EQ(TOpenGLPanel::GetDisplayBPP(), depth);
}

using Size3 = std::array<double, 3>;
const Size3 kUntouched{-1, -1, -1};

struct Ink {
  int count = 0;
  QRect box;  // y from the bottom, as GL counts
};

// The panel's own fonts at 24 pixels, drawn white on black, a unit a pixel, from (20, 40).
class PanelFontsTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    panel->SetFont(font);
    panel->SetFont3DType(font);
    panel->setProperty("Font3D_Enabled", true);
    panel->setProperty("Font2D_Enabled", true);
    QObject::connect(panel, &TOpenGLPanel::OnInit, [] {});  // fonts are built for OnInit
    Show();
    panel->MakeOpenGLPanelCurrent();
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, 200, 0, 160, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  void TearDown() override { panel->MakeOpenGLPanelNotCurrent(); }

  // The outline font at 100 pixels an em.
  Ink Draw3D(const char* text, const OpenGLFont3D* font = nullptr) {
    glTranslatef(20, 40, 0);
    glScalef(100, 100, 1);
    font ? panel->Draw3DText(font, text) : panel->Draw3DText(text);
    return Drawn();
  }

  Ink Draw2D(const char* text, const OpenGLFont2D* font = nullptr) {
    glRasterPos2i(20, 40);
    font ? panel->Draw2DText(font, text) : panel->Draw2DText(text);
    return Drawn();
  }

  // The lit pixels; then a cleared picture and matrix for the next drawing.
  static Ink Drawn() {
    std::vector<unsigned char> rgba(200 * 160 * 4);
    glReadPixels(0, 0, 200, 160, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    Ink ink;
    for (int at = 0; at < 200 * 160; ++at)
      if (rgba[at * 4] > 128) {
        ++ink.count;
        ink.box |= QRect(at % 200, at / 200, 1, 1);
      }
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    return ink;
  }

  Size3 Size(const char* text, const OpenGLFont3D* font = nullptr) {
    Size3 size = kUntouched;
    font ? panel->Get3DTextSize(font, text, size.data()) : panel->Get3DTextSize(text, size.data());
    return size;
  }
};

// Bitmap text inks from the raster position, within the font's size (no descenders),
// and advances it; outline text inks its measured box, standing on the baseline.
TEST_F(PanelFontsTest, TextInksWhereItShouldAndFontsGoWithTheContext) {
  const Ink bitmap = Draw2D("Hola");
  GLint raster[4] = {};
  glGetIntegerv(GL_CURRENT_RASTER_POSITION, raster);
  ASSERT_GT(bitmap.count, 20);
  EXPECT_GE(bitmap.box.left(), 19);
  EXPECT_GE(bitmap.box.top(), 40 - 8);
  EXPECT_LE(bitmap.box.bottom(), 40 + 24);
  EXPECT_EQ(std::pair(raster[0] >= bitmap.box.right(), raster[1]), std::pair(true, 40));
  const Size3 h = Size("H");
  EXPECT_FLOAT_EQ(h[2], 0.1f);  // the default extrusion
  const Ink outline = Draw3D("H");
  EXPECT_NEAR(outline.box.width(), h[0] * 100, 2);
  EXPECT_NEAR(outline.box.height(), h[1] * 100, 2);
  EXPECT_NEAR(outline.box.top(), 40, 1);
  // Application fonts have their own range; the panel's go with the context.
  EXPECT_EQ(panel->Create3DFont(nullptr, 65, 3, 0, 0.5f, 1), nullptr);
  EXPECT_EQ(panel->Create2DFont(nullptr, 65, 3), nullptr);
  QFont font(QStringLiteral("DejaVu Serif"));
  OpenGLFont3D* abc = panel->Create3DFont(&font, 65, 3, 0.01f, 0.5f, 1);
  ASSERT_EQ(abc->GlyphMetrics.size(), 3u);
  EXPECT_GT(Draw3D("CAB", abc).count, 0);
  EXPECT_EQ(Draw3D("ABD", abc).count, 0);
  const GlyphMetricsFloat& c = abc->GlyphMetrics[2];
  EXPECT_EQ(Size("C", abc), (Size3{c.gmfBlackBoxX, c.gmfBlackBoxY, 0.5f}));
  const GLuint base = abc->ListBase;
  DestroyFont(abc);
  EXPECT_FALSE(glIsList(base));
  // A first code far from the byte range does not overflow into it.
  const OpenGLFont2D far{std::numeric_limits<std::int32_t>::min(), 3, 1};
  EXPECT_EQ(Draw2D("A", &far).count, 0);
  panel->DestroyGLContext();
  EXPECT_EQ(Size("A"), kUntouched);
}

TEST_F(PanelFontsTest, TextWithACharacterOutsideTheFontDrawsAndMeasuresNothing) {
  glListBase(7);
  glFrontFace(GL_CW);
  for (const char* text : {"Hola\x80", "\tHola", "Hola\x7f\x80"}) {
    EXPECT_EQ(Draw2D(text).count + Draw3D(text).count, 0) << text;
    EXPECT_EQ(Size(text), (Size3{0, 0, 0})) << text;
  }
  for (const char* text : {"", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(Draw2D(text).count + Draw3D(text).count, 0);
    EXPECT_EQ(Size(text), kUntouched);
  }
  panel->Get3DTextSize("A", nullptr);
  // 127, the last code of the default range, is a control character; 126 has ink.
  EXPECT_GT(Draw2D("~").count, 0);
  // Drawing keeps the application's list base and front face.
  EXPECT_GT(Draw3D("Ok").count, 0);
  GLint base = 0, front = 0;
  glGetIntegerv(GL_LIST_BASE, &base);
  glGetIntegerv(GL_FRONT_FACE, &front);
  EXPECT_EQ(std::pair(base, front), std::pair(7, GL_CW));
  // Rebuilt with no glyphs, the panel has no font.
  panel->setProperty("Font3D_NumGylph", 0);
  panel->setProperty("Font2D_NumGylph", -5);
  panel->Create3DFont();
  panel->Create2DFont();
  EXPECT_EQ(Draw3D("A").count + Draw2D("A").count, 0);
  EXPECT_EQ(Size("A"), kUntouched);
}

// A larger deviation, fewer points; none positive, the finest; a tiny one, bounded work.
TEST(FlattenPath, TheDeviationSetsHowFinelyCurvesAreCut) {
  QPainterPath circle;
  circle.addEllipse(QPointF(0, 0), 1, 1);
  const auto points = [&](double deviation) { return FlattenPath(circle, deviation).at(0).size(); };
  EXPECT_GT(points(0.01), points(0.05));
  for (double deviation : {0.0, -1.0, std::nan("")}) EXPECT_GT(points(deviation), points(0.01));
  EXPECT_EQ(points(10), 4u);
  EXPECT_LE(points(1e-300), 4u << 12);
}

// Saving and printing paint afresh, children included; an unwritable file is an error naming
// it; no picture, no print job.
TEST_F(PanelWindowTest, SavedAndPrintedPicturesAreFreshWithTheirChildren) {
  auto* child = new QFrame(panel);
  child->setGeometry(150, 10, 20, 20);
  child->setStyleSheet(QStringLiteral("background: blue"));
  int paints = 0;
  QObject::connect(panel, &P::OnPaint, [&] { ++paints, PaintHalves(kRed); });
  Show();
  QTemporaryDir dir;
  const QString bmp = dir.filePath(QStringLiteral("panel.bmp"));
  int before = paints;
  panel->SaveOpenGLPanelToFile(bmp);
  EXPECT_GT(paints, before);
  const QImage saved(bmp, "BMP");
  EXPECT_EQ(saved.size(), QSize(200, 160));
  EXPECT_TRUE(testkit::Near(saved.pixelColor(20, 80), Qt::green));
  EXPECT_TRUE(testkit::Near(saved.pixelColor(120, 80), Qt::red));
  EXPECT_TRUE(testkit::Near(saved.pixelColor(160, 20), Qt::blue));
  for (const QString& name : {dir.filePath(QStringLiteral("missing/panel.bmp")), dir.path()}) {
    try {
      panel->SaveOpenGLPanelToFile(name);
      ADD_FAILURE() << "no error";
    } catch (const PanelFileError& error) {
      EXPECT_NE(std::string(error.what()).find(name.toStdString()), std::string::npos);
    }
  }
  // A 720 dpi PDF, as a print dialog without a printer offers.
  const auto print = [&](const char* name) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath(QString::fromLatin1(name)));
    printer.setResolution(720);
    panel->PrintOpenGLPanel(printer);
    return QFile(dir.filePath(QString::fromLatin1(name)));
  };
  panel->setProperty("PixelsPerInch", 0);
  before = paints;
  QFile pdf = print("panel.pdf");
  EXPECT_GT(paints, before);
  EXPECT_EQ(panel->property("PixelsPerInch").toInt(), 96);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
  EXPECT_EQ(bytes.count("/Subtype /Image"), 1);
  EXPECT_TRUE(bytes.contains("/Width 200") && bytes.contains("/Height 160"));
  EXPECT_TRUE(messages.empty());
  panel->resize(0, 0);
  EXPECT_FALSE(print("empty.pdf").exists());
  EXPECT_EQ(messages, Texts{"Print: Malloc Error"});
}

}  // namespace
