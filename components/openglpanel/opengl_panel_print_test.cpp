// Printing and saving what a shown panel presents, child widgets included.
#include "components/openglpanel/panel_file_error.h"
#include "components/openglpanel/panel_testing.h"

#include <QFile>
#include <QFrame>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// The panel paints its left half green and its right half red, under a blue child at
// (150, 10) sized 20 x 20.
class PanelPrintTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    auto* child = new QFrame(panel);
    child->setGeometry(150, 10, 20, 20);
    child->setStyleSheet(QStringLiteral("background: blue"));
    QObject::connect(panel, &TOpenGLPanel::OnPaint, [this] {
      ++paints;
      glClearColor(1, 0, 0, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      glEnable(GL_SCISSOR_TEST);  // left half green
      glScissor(0, 0, 100, 160);
      glClearColor(0, 1, 0, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      glDisable(GL_SCISSOR_TEST);
    });
    Show();
  }

  QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  int paints = 0;
};

TEST_F(PanelPrintTest, SavedFileIsAFreshlyPaintedBitmapOfThePanel) {
  const int before = paints;
  panel->SaveOpenGLPanelToFile(File("panel.bmp"));
  EXPECT_GT(paints, before);
  const QImage saved(File("panel.bmp"), "BMP");
  EXPECT_EQ(saved.size(), QSize(200, 160));
  EXPECT_TRUE(testkit::Near(saved.pixelColor(20, 80), Qt::green));
  EXPECT_TRUE(testkit::Near(saved.pixelColor(120, 80), Qt::red));
  EXPECT_TRUE(testkit::Near(saved.pixelColor(160, 20), Qt::blue));  // the child
  // A file that cannot be written is an error naming it.
  for (const QString& name : {File("missing-folder/panel.bmp"), dir.path()}) {
    try {
      panel->SaveOpenGLPanelToFile(name);
      ADD_FAILURE() << "no error";
    } catch (const PanelFileError& error) {
      EXPECT_NE(std::string(error.what()).find(name.toStdString()), std::string::npos);
    }
  }
  EXPECT_TRUE(messages.texts.empty());
}

// A 720 dpi PDF, the way a print dialog without a printer offers; no picture, no job.
TEST_F(PanelPrintTest, PrintsOnePageWithThePictureAndRepairsPixelsPerInch) {
  const auto print = [&](const char* name) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(File(name));
    printer.setResolution(720);
    panel->PrintOpenGLPanel(printer);
  };
  panel->setProperty("PixelsPerInch", 0);
  const int before = paints;
  print("panel.pdf");
  EXPECT_GT(paints, before);
  panel->resize(0, 0);
  print("empty.pdf");
  EXPECT_EQ(panel->property("PixelsPerInch").toInt(), 96);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Print: Malloc Error"});
  EXPECT_FALSE(QFile::exists(File("empty.pdf")));
  QFile file(File("panel.pdf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
  EXPECT_EQ(pdf.count("/Subtype /Image"), 1);
  EXPECT_TRUE(pdf.contains("/Width 200") && pdf.contains("/Height 160"));
}

}  // namespace
