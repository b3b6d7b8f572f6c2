#include "components/openglpanel/font_property_editor.h"

#include <gtest/gtest.h>

// The dialog starts from the property's font; only confirming stores its choice and
// tells the designer.
TEST(FontEditorTest, TheDialogStartsFromThePropertysFontAndOnlyConfirmingStoresItsChoice) {
  const QFont before(QStringLiteral("DejaVu Sans"), 12), chosen(QStringLiteral("DejaVu Serif"), 20);
  QFont stored = before;
  int modified = 0;
  for (bool confirm : {false, true}) {
    OpenGLFontProperyEditor([&] { return stored; },
                            [&](const QFont& font) {
                              stored = font;
                              ++modified;
                            },
                            [&](QFont& font) {
                              EXPECT_EQ(font, before);
                              font = chosen;
                              return confirm;
                            })
        .Edit();
    EXPECT_EQ(stored, confirm ? chosen : before);
    EXPECT_EQ(modified, int(confirm));
  }
}
