#include "components/openglpanel/font_property_editor.h"
#include "components/openglpanel/opengl_panel.h"

#include <QApplication>
#include <QFontDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The editor on a panel's Font3D_Type, counting the designer's modified notices.
class FontEditorTest : public testing::Test {
 protected:
  OpenGLFontProperyEditor Editor(OpenGLFontProperyEditor::FontDialog dialog) {
    return OpenGLFontProperyEditor([this] { return panel.Font3D_Type(); },
                                   [this](const QFont& font) {
                                     panel.setProperty("Font3D_Type", font);
                                     ++modified;
                                   },
                                   std::move(dialog));
  }

  // Answers the font dialog that is about to run: picks DejaVu Serif at 20 points.
  static void AnswerDialog() {
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      QFont font(QStringLiteral("DejaVu Serif"));
      font.setPointSize(20);  // the dialog works in points
      dialog->setCurrentFont(font);
      dialog->accept();
    });
  }

  TOpenGLPanel panel;
  int modified = 0;
};

TEST_F(FontEditorTest, TheDialogStartsFromThePropertysFontAndConfirmingStoresItsChoice) {
  QFont seen, chosen(QStringLiteral("DejaVu Sans Mono"));
  chosen.setBold(true);
  bool confirm = false;
  auto editor = Editor([&](QFont& font) {
    seen = font;
    font = chosen;
    return confirm;
  });
  const QFont before = panel.Font3D_Type();
  editor.Edit();
  EXPECT_EQ(seen, before);
  EXPECT_EQ(panel.Font3D_Type(), before);  // cancelled
  EXPECT_EQ(modified, 0);
  confirm = true;
  editor.Edit();
  EXPECT_EQ(panel.Font3D_Type(), chosen);
  EXPECT_EQ(modified, 1);
}

TEST_F(FontEditorTest, TheRealDialogConfirmedSetsItsFont) {
  AnswerDialog();
  Editor(OpenGLFontProperyEditor::RunFontDialog).Edit();
  EXPECT_EQ(panel.Font3D_Type().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(panel.Font3D_Type().pointSize(), 20);
  EXPECT_EQ(modified, 1);
}

}  // namespace
