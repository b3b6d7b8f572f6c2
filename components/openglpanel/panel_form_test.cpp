// A layout compiled by uic declares the panel, sets its properties and binds its events.
#include "components/openglpanel/panel_pixels.h"
#include "ui_panel_test_form.h"

#include <QTest>

#include <gtest/gtest.h>

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

namespace {

TEST(PanelFormTest, LayoutSetsPropertiesAndBindsInitAndPaint) {
  CollectedMessages messages;
  PanelTestForm form;
  TOpenGLPanel& panel = *form.ui.OpenGLPanel1;
  EXPECT_EQ(panel.PFDFlags(), TOpenGLPanel::f_PFD_DRAW_TO_WINDOW |
                                  TOpenGLPanel::f_PFD_SUPPORT_OPENGL |
                                  TOpenGLPanel::f_PFD_SUPPORT_GDI);
  EXPECT_EQ(panel.property("PixelsPerInch").toInt(), 120);
  EXPECT_FLOAT_EQ(panel.property("Font3D_Extrustion").toFloat(), 0.25f);
  EXPECT_EQ(panel.property("GLSwapBuffers").value<TOpenGLPanel::TOpenGLSwapBuffers>(),
            TOpenGLPanel::Manual);

  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  panel.repaint();
  EXPECT_EQ(form.inits, 1);
  EXPECT_EQ(form.paint_sender, &panel);
  EXPECT_TRUE(Near(ScreenPixel(panel, {100, 100}), QColor(0, 128, 255), 2));
  EXPECT_TRUE(Near(ScreenPixel(panel, {30, 30}), QColor(255, 255, 0)));
  EXPECT_TRUE(messages.texts.empty());
}

}  // namespace

#include "panel_form_test.moc"
