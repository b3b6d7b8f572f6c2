#include "components/openglpanel/bmp_texture.h"
#include "components/openglpanel/opengl_panel.h"
#include "components/openglpanel/panel_file_error.h"
#include "components/openglpanel/panel_pixels.h"

#include <QFile>
#include <QFrame>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <GL/gl.h>

#include <gtest/gtest.h>

namespace {

using P = TOpenGLPanel;

// A 200 x 160 panel painting its left half green and its right half red, with a blue
// child panel at (150, 10) sized 20 x 20 over the drawing.
class PanelPrintTest : public testing::Test {
 protected:
  PanelPrintTest() : panel(new TOpenGLPanel(&window)), child(new QFrame(panel)) {
    window.resize(220, 180);
    panel->setGeometry(0, 0, 200, 160);
    child->setGeometry(150, 10, 20, 20);
    child->setAutoFillBackground(true);
    child->setPalette(QPalette(Qt::blue));
    QObject::connect(panel, &P::OnPaint, [this] {
      ++paints;
      glClearColor(1, 0, 0, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      glMatrixMode(GL_PROJECTION);
      glLoadIdentity();
      glOrtho(0, 2, 0, 1, -1, 1);
      glMatrixMode(GL_MODELVIEW);
      glLoadIdentity();
      glColor3f(0, 1, 0);
      glRectf(0, 0, 1, 1);
    });
  }

  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  CollectedMessages messages;
  QTemporaryDir dir;
  QWidget window;
  TOpenGLPanel* panel;
  QFrame* child;
  int paints = 0;
};

// Pixel (x, y) of a texture, y counted from the top of the picture.
QColor TexturePixel(const BMPTexture& t, int x, int y) {
  const std::size_t at = std::size_t(t.Components) * (std::size_t(t.Height - 1 - y) * t.Width + x);
  return QColor(t.Data[at], t.Data[at + 1], t.Data[at + 2]);
}

TEST_F(PanelPrintTest, SavedFileIsAFreshlyPaintedBitmapOfThePanel) {
  const int before = paints;
  panel->SaveOpenGLPanelToFile(File("panel.bmp"));
  EXPECT_GT(paints, before);
  const auto saved = LoadBMPTexture(File("panel.bmp").toStdString(), false);
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(std::pair(saved->Width, saved->Height), std::pair(200, 160));
  EXPECT_TRUE(Near(TexturePixel(*saved, 20, 80), QColor(0, 255, 0)));
  EXPECT_TRUE(Near(TexturePixel(*saved, 120, 80), QColor(255, 0, 0)));
  EXPECT_TRUE(Near(TexturePixel(*saved, 160, 20), QColor(0, 0, 255)));  // the child
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PanelPrintTest, AFileSystemErrorReachesTheCallerNamingTheFile) {
  const QString name = File("missing-folder/panel.bmp");
  try {
    panel->SaveOpenGLPanelToFile(name);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(name.toStdString()), std::string::npos);
  }
  EXPECT_THROW(panel->SaveOpenGLPanelToFile(dir.path()), PanelFileError);  // a folder
}

// Sets `printer` to a 720 dpi PDF, the way a print dialog without a printer offers.
void ToPdf(QPrinter& printer, const QString& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setResolution(720);
}

TEST_F(PanelPrintTest, PrintsOnePageWithThePictureAndRepairsPixelsPerInch) {
  panel->setProperty("PixelsPerInch", 0);
  QPrinter printer(QPrinter::HighResolution);
  ToPdf(printer, File("panel.pdf"));
  const int before = paints;
  panel->PrintOpenGLPanel(printer);
  EXPECT_GT(paints, before);
  EXPECT_EQ(panel->property("PixelsPerInch").toInt(), 96);

  QFile file(File("panel.pdf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf_bytes = file.readAll();
  EXPECT_EQ(pdf_bytes.count("/Type /Page\n"), 1);
  EXPECT_EQ(pdf_bytes.count("/Subtype /Image"), 1);
  EXPECT_TRUE(pdf_bytes.contains("/Width 200"));
  EXPECT_TRUE(pdf_bytes.contains("/Height 160"));
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PanelPrintTest, NoPictureNoJob) {
  panel->resize(0, 0);
  QPrinter printer(QPrinter::HighResolution);
  ToPdf(printer, File("empty.pdf"));
  panel->PrintOpenGLPanel(printer);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Print: Malloc Error"});
  EXPECT_FALSE(QFile::exists(File("empty.pdf")));
}

}  // namespace
