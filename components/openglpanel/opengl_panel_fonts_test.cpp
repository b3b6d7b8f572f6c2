#include "components/openglpanel/opengl_font.h"
#include "components/openglpanel/opengl_panel.h"
#include "components/openglpanel/panel_pixels.h"

#include <QTest>

#include <GL/gl.h>

#include <gtest/gtest.h>

namespace {

using P = TOpenGLPanel;

// The inked pixels of the drawing target: their bounding box and how many.
struct Ink {
  int count = 0;
  QRect box;
};

// Pixels whose `channel` (0 red, 1 green) is lit.
Ink ReadInk(int width, int height, int channel = 0) {
  std::vector<unsigned char> rgba(std::size_t(width) * height * 4);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  Ink ink;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (rgba[(std::size_t(y) * width + x) * 4 + channel] > 128) {
        ++ink.count;
        ink.box |= QRect(x, y, 1, 1);  // y from the bottom, as GL counts
      }
  return ink;
}

// A shown 200 x 160 panel with both of its own fonts; each test draws between
// MakeOpenGLPanelCurrent and MakeOpenGLPanelNotCurrent into a black picture, white
// ink, with one unit a pixel.
class PanelFontsTest : public testing::Test {
 protected:
  PanelFontsTest() : panel(new TOpenGLPanel(&window)) {
    window.resize(200, 160);
    panel->setGeometry(0, 0, 200, 160);
    panel->setProperty("Font3D_Enabled", true);
    panel->setProperty("Font2D_Enabled", true);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    panel->SetFont(font);
    panel->SetFont3DType(font);
    QObject::connect(panel, &P::OnInit, [] {});
  }

  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    panel->MakeOpenGLPanelCurrent();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 200, 0, 160, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    ClearPicture();
  }
  void TearDown() override { panel->MakeOpenGLPanelNotCurrent(); }

  static void ClearPicture() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }

  // Text drawn with the outline font at 100 pixels an em, baseline origin (20, 40).
  Ink Draw3D(const char* text, const OpenGLFont3D* font = nullptr, int channel = 0) {
    ClearPicture();
    glPushMatrix();
    glTranslatef(20, 40, 0);
    glScalef(100, 100, 1);
    font ? panel->Draw3DText(font, text) : panel->Draw3DText(text);
    glPopMatrix();
    return ReadInk(200, 160, channel);
  }

  Ink Draw2D(const char* text, const OpenGLFont2D* font = nullptr) {
    ClearPicture();
    glRasterPos2i(20, 40);
    font ? panel->Draw2DText(font, text) : panel->Draw2DText(text);
    return ReadInk(200, 160);
  }

  std::array<double, 3> Size(const char* text) {
    std::array<double, 3> size{-1, -1, -1};
    panel->Get3DTextSize(text, size.data());
    return size;
  }

  CollectedMessages messages;
  QWidget window;
  TOpenGLPanel* panel;
};

TEST_F(PanelFontsTest, BitmapTextInksFromTheRasterPositionAndAdvancesIt) {
  const Ink ink = Draw2D("Hola");
  ASSERT_GT(ink.count, 20);
  EXPECT_GE(ink.box.left(), 19);
  EXPECT_GE(ink.box.top(), 40 - 8);      // little below the baseline: no descenders
  EXPECT_LE(ink.box.bottom(), 40 + 24);  // within the font's size above it
  GLint raster[4] = {};
  glGetIntegerv(GL_CURRENT_RASTER_POSITION, raster);
  EXPECT_GE(raster[0], ink.box.right());
  EXPECT_EQ(raster[1], 40);
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PanelFontsTest, TextWithACharacterOutsideTheFontDrawsNothingAtAll) {
  glListBase(7);
  glFrontFace(GL_CW);
  for (const char* text : {"Hola\x80", "\tHola", "Hola\x7f\x80", ""}) {
    EXPECT_EQ(Draw2D(text).count, 0) << text;
    EXPECT_EQ(Draw3D(text).count, 0) << text;
  }
  EXPECT_EQ(Draw2D(nullptr).count, 0);
  // The last drawable code of the default range, 127, is a control character with an
  // empty glyph; 126 is the last one with ink.
  EXPECT_GT(Draw2D("~").count, 0);
  // Drawing keeps the application's list base and front face.
  EXPECT_GT(Draw3D("Ok").count, 0);
  GLint base = 0, front = 0;
  glGetIntegerv(GL_LIST_BASE, &base);
  glGetIntegerv(GL_FRONT_FACE, &front);
  EXPECT_EQ(base, 7);
  EXPECT_EQ(front, GL_CW);
  glFrontFace(GL_CCW);
}

TEST_F(PanelFontsTest, OutlineGlyphInksItsBlackBox) {
  const std::array<double, 3> box = Size("H");
  EXPECT_FLOAT_EQ(box[2], 0.1f);  // the default extrusion
  ASSERT_GT(box[0], 0.3);
  ASSERT_GT(box[1], 0.5);
  const Ink ink = Draw3D("H");
  EXPECT_NEAR(ink.box.width(), box[0] * 100, 2);
  EXPECT_NEAR(ink.box.height(), box[1] * 100, 2);
  EXPECT_NEAR(ink.box.top(), 40, 1);  // H stands on the baseline
}

TEST_F(PanelFontsTest, TextMeasuresAsAdvancesPlusTheLastBlackBox) {
  // Each list moves the origin by its character's cell increment.
  glPushMatrix();
  glLoadIdentity();
  panel->Draw3DText("AW");
  GLfloat matrix[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
  glPopMatrix();
  const double advances = matrix[12];

  const std::array<double, 3> w = Size("W"), aw = Size("AW"), awa = Size("AWA");
  EXPECT_NEAR(aw[0] - w[0], advances - (Size("WW")[0] - w[0]), 1e-6);
  EXPECT_NEAR(awa[0] - Size("A")[0], advances, 1e-6);
  EXPECT_DOUBLE_EQ(aw[1], w[1]);  // cell increments have no height
  EXPECT_FLOAT_EQ(aw[2], 0.1f);
}

TEST_F(PanelFontsTest, MeasurementEdgeCasesAndRebuildWithNoGlyphs) {
  const std::array<double, 3> untouched{-1, -1, -1}, zero{0, 0, 0};
  EXPECT_EQ(Size(""), untouched);
  EXPECT_EQ(Size(nullptr), untouched);
  panel->Get3DTextSize("A", nullptr);
  EXPECT_EQ(Size("A\x80"), zero);
  EXPECT_EQ(Size("\x01"
                 "A"),
            zero);
  // Rebuilt with no glyphs, the panel has no font.
  panel->setProperty("Font3D_NumGylph", 0);
  panel->setProperty("Font2D_NumGylph", -5);
  panel->Create3DFont();
  panel->Create2DFont();
  EXPECT_EQ(Size("A"), untouched);
  EXPECT_EQ(Draw3D("A").count, 0);
  EXPECT_EQ(Draw2D("A").count, 0);
}

TEST_F(PanelFontsTest, ApplicationFontsHaveTheirOwnRange) {
  EXPECT_EQ(panel->Create3DFont(nullptr, 65, 3, 0, 0.5f, 1), nullptr);
  EXPECT_EQ(panel->Create2DFont(nullptr, 65, 3), nullptr);
  QFont font(QStringLiteral("DejaVu Serif"));
  OpenGLFont3D* abc = panel->Create3DFont(&font, 65, 3, 0.01f, 0.5f, 1);
  ASSERT_NE(abc, nullptr);
  EXPECT_EQ(abc->GlyphMetrics.size(), 3u);
  EXPECT_GT(Draw3D("CAB", abc).count, 0);
  EXPECT_EQ(Draw3D("ABD", abc).count, 0);
  double size[3] = {};
  panel->Get3DTextSize(abc, "C", size);
  EXPECT_DOUBLE_EQ(size[0], abc->GlyphMetrics[2].gmfBlackBoxX);
  EXPECT_FLOAT_EQ(size[2], 0.5f);
  const GLuint base = abc->ListBase;
  DestroyFont(abc);
  EXPECT_FALSE(glIsList(base));
}

// A font with a first code far from the byte range still finds its own characters.
TEST_F(PanelFontsTest, RangeArithmeticDoesNotOverflow) {
  const OpenGLFont2D far{std::numeric_limits<std::int32_t>::min(), 3, 1};
  EXPECT_EQ(Draw2D("A", &far).count, 0);
}

TEST(PanelFontsLifecycle, FontsAreBuiltOnlyForABoundOnInit) {
  QWidget window;
  window.resize(100, 100);
  auto* bound = new TOpenGLPanel(&window);
  auto* unbound = new TOpenGLPanel(&window);
  bound->setGeometry(0, 0, 50, 50);
  unbound->setGeometry(50, 0, 50, 50);
  for (TOpenGLPanel* panel : {bound, unbound}) panel->setProperty("Font3D_Enabled", true);
  QObject::connect(bound, &P::OnInit, [] {});
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (TOpenGLPanel* panel : {bound, unbound}) {
    double size[3] = {-1, -1, -1};
    panel->MakeOpenGLPanelCurrent();
    panel->Get3DTextSize("A", size);
    panel->MakeOpenGLPanelNotCurrent();
    EXPECT_EQ(size[2] > 0, panel == bound);
  }
  // Released with the context: the panel has no font afterwards.
  bound->DestroyGLContext();
  double size[3] = {-1, -1, -1};
  bound->Get3DTextSize("A", size);
  EXPECT_EQ(size[0], -1);
}

}  // namespace
