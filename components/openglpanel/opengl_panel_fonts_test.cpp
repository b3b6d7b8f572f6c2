// The panel's fonts drawn into a real context: ink read back, measurements, ranges.
#include "components/openglpanel/opengl_font.h"
#include "components/openglpanel/panel_testing.h"

namespace {

using Size3 = std::array<double, 3>;
const Size3 kUntouched{-1, -1, -1};

// The lit pixels of the panel's 200 x 160 picture: how many, and their bounding box
// (y from the bottom, as GL counts).
struct Ink {
  int count = 0;
  QRect box;
};

// Both of the panel's own fonts at 24 pixels; each test draws with the context current
// into a black picture, white ink, one unit a pixel.
class PanelFontsTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    panel->setProperty("Font3D_Enabled", true);
    panel->setProperty("Font2D_Enabled", true);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    panel->SetFont(font);
    panel->SetFont3DType(font);
    QObject::connect(panel, &TOpenGLPanel::OnInit, [] {});  // fonts are built for OnInit
    Show();
    panel->MakeOpenGLPanelCurrent();
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, 200, 0, 160, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glColor3f(1, 1, 1);
  }
  void TearDown() override { panel->MakeOpenGLPanelNotCurrent(); }

  static Ink Drawn(const std::function<void()>& draw) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw();
    std::vector<unsigned char> rgba(200 * 160 * 4);
    glReadPixels(0, 0, 200, 160, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    Ink ink;
    for (int at = 0; at < 200 * 160; ++at)
      if (rgba[at * 4] > 128) {
        ++ink.count;
        ink.box |= QRect(at % 200, at / 200, 1, 1);
      }
    return ink;
  }

  // Text with the outline font at 100 pixels an em, baseline origin (20, 40).
  Ink Draw3D(const char* text, const OpenGLFont3D* font = nullptr) {
    return Drawn([&] {
      glPushMatrix();
      glTranslatef(20, 40, 0);
      glScalef(100, 100, 1);
      font ? panel->Draw3DText(font, text) : panel->Draw3DText(text);
      glPopMatrix();
    });
  }

  Ink Draw2D(const char* text, const OpenGLFont2D* font = nullptr) {
    return Drawn([&] {
      glRasterPos2i(20, 40);
      font ? panel->Draw2DText(font, text) : panel->Draw2DText(text);
    });
  }

  Size3 Size(const char* text, const OpenGLFont3D* font = nullptr) {
    Size3 size = kUntouched;
    font ? panel->Get3DTextSize(font, text, size.data()) : panel->Get3DTextSize(text, size.data());
    return size;
  }
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

TEST_F(PanelFontsTest, OutlineTextInksItsMeasuredBox) {
  const Size3 h = Size("H");
  EXPECT_FLOAT_EQ(h[2], 0.1f);  // the default extrusion
  const Ink ink = Draw3D("H");
  ASSERT_GT(ink.count, 0);
  EXPECT_NEAR(ink.box.width(), h[0] * 100, 2);
  EXPECT_NEAR(ink.box.height(), h[1] * 100, 2);
  EXPECT_NEAR(ink.box.top(), 40, 1);  // H stands on the baseline
  // A text measures the advances of all its characters but the last, plus its box.
  glPushMatrix();
  panel->Draw3DText("AW");
  GLfloat matrix[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
  glPopMatrix();
  EXPECT_NEAR(Size("AWA")[0], matrix[12] + Size("A")[0], 1e-6);
  EXPECT_DOUBLE_EQ(Size("AW")[1], Size("W")[1]);  // advances have no height
}

TEST_F(PanelFontsTest, TextWithACharacterOutsideTheFontDrawsAndMeasuresNothing) {
  glListBase(7);
  glFrontFace(GL_CW);
  for (const char* text : {"Hola\x80", "\tHola", "Hola\x7f\x80"}) {
    EXPECT_EQ(Draw2D(text).count + Draw3D(text).count, 0) << text;
    EXPECT_EQ(Size(text), (Size3{0, 0, 0})) << text;
  }
  // Null and empty texts draw nothing and leave a size untouched.
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
  glFrontFace(GL_CCW);
  // Rebuilt with no glyphs, or released with the context, the panel has no font.
  panel->setProperty("Font3D_NumGylph", 0);
  panel->setProperty("Font2D_NumGylph", -5);
  panel->Create3DFont();
  panel->Create2DFont();
  EXPECT_EQ(Draw3D("A").count + Draw2D("A").count, 0);
  EXPECT_EQ(Size("A"), kUntouched);
}

TEST_F(PanelFontsTest, ApplicationFontsHaveTheirOwnRangeAndTheFontsGoWithTheContext) {
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

}  // namespace
