#include "components/openglpanel/font_property_editor.h"

#include <QFontDialog>

bool OpenGLFontProperyEditor::RunFontDialog(QFont& font) {
  QFontDialog dialog(font);  // no owner
  if (dialog.exec() != QDialog::Accepted)
    return false;
  font = dialog.selectedFont();
  return true;
}

OpenGLFontProperyEditor::OpenGLFontProperyEditor(std::function<QFont()> get,
                                                 std::function<void(const QFont&)> set,
                                                 FontDialog dialog)
    : get_(std::move(get)), set_(std::move(set)), dialog_(std::move(dialog)) {}

void OpenGLFontProperyEditor::Edit() {
  QFont font = get_();
  if (dialog_(font))
    set_(font);
}
