#include "components/openglpanel/font_property_editor.h"
#include "components/openglpanel/opengl_panel.h"

#include <QApplication>
#include <QFontDialog>
#include <QTimer>

#include <gtest/gtest.h>

// The editor on a panel's Font3D_Type with the real dialog (in points), answered as it
// opens: it starts from the property's font, and only confirming stores the choice.
TEST(FontEditorTest, TheDialogStartsFromThePropertysFontAndOnlyConfirmingStoresItsChoice) {
  TOpenGLPanel panel;
  const QFont before(QStringLiteral("DejaVu Sans"), 12), chosen(QStringLiteral("DejaVu Serif"), 20);
  panel.SetFont3DType(before);
  int modified = 0;
  OpenGLFontProperyEditor editor([&] { return panel.Font3D_Type(); },
                                 [&](const QFont& font) {
                                   panel.setProperty("Font3D_Type", font);
                                   ++modified;
                                 });
  for (bool confirm : {false, true}) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->currentFont().family(), before.family());
      dialog->setCurrentFont(chosen);
      confirm ? dialog->accept() : dialog->reject();
    });
    editor.Edit();
    const QFont& now = confirm ? chosen : before;
    EXPECT_EQ(std::pair(panel.Font3D_Type().family(), panel.Font3D_Type().pointSize()),
              std::pair(now.family(), now.pointSize()));
    EXPECT_EQ(modified, int(confirm));
  }
}
