// The panel's fonts drawn into a real context: ink read back, measurements, ranges.
#include "components/openglpanel/opengl_font.h"
#include "components/openglpanel/panel_testing.h"

namespace {

using Size3 = std::array<double, 3>;
const Size3 kUntouched{-1, -1, -1};

struct Ink {
  int count = 0;
  QRect box;  // y from the bottom, as GL counts
};

// Both of the panel's own fonts at 24 pixels; each test draws with the context current
// into a black picture, white ink, one unit a pixel, from baseline origin (20, 40).
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

// Bitmap text inks from the raster position, within the font's size above the baseline
// and little below (no descenders), and advances the position; outline text inks its
// measured box, standing on the baseline.
TEST_F(PanelFontsTest, TextInksWhereItShould) {
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
  EXPECT_TRUE(messages.texts.empty());
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

TEST_F(PanelFontsTest, ApplicationFontsHaveTheirOwnRangeAndThePanelsGoWithTheContext) {
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
