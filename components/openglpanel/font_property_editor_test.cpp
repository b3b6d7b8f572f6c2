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

  // Answers the font dialog that is about to run: picks DejaVu Serif at 20 points, or cancels.
  static void AnswerDialog(bool confirm) {
    QTimer::singleShot(0, [confirm] {
      auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      QFont font(QStringLiteral("DejaVu Serif"));
      font.setPointSize(20);  // the dialog works in points
      dialog->setCurrentFont(font);
      confirm ? dialog->accept() : dialog->reject();
    });
  }

  TOpenGLPanel panel;
  int modified = 0;
};

TEST_F(FontEditorTest, TheDialogStartsFromThePropertysFont) {
  QFont seen;
  Editor([&](QFont& font) {
    seen = font;
    return false;
  }).Edit();
  EXPECT_EQ(seen, panel.Font3D_Type());
}

TEST_F(FontEditorTest, ConfirmingStoresACopyAndMarksTheForm) {
  QFont chosen(QStringLiteral("DejaVu Sans Mono"));
  chosen.setBold(true);
  Editor([&](QFont& font) {
    font = chosen;
    return true;
  }).Edit();
  EXPECT_EQ(panel.Font3D_Type(), chosen);
  EXPECT_EQ(modified, 1);
}

TEST_F(FontEditorTest, TheRealDialogCancelledChangesNothing) {
  const QFont before = panel.Font3D_Type();
  AnswerDialog(false);
  Editor(OpenGLFontProperyEditor::RunFontDialog).Edit();
  EXPECT_EQ(panel.Font3D_Type(), before);
  EXPECT_EQ(modified, 0);
}

TEST_F(FontEditorTest, TheRealDialogConfirmedSetsItsFont) {
  AnswerDialog(true);
  Editor(OpenGLFontProperyEditor::RunFontDialog).Edit();
  EXPECT_EQ(panel.Font3D_Type().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(panel.Font3D_Type().pointSize(), 20);
  EXPECT_EQ(modified, 1);
}

}  // namespace
