#pragma once
// OpenGLFontProperyEditor: how a form designer edits the panel's font properties. It
// opens a font dialog on the property's font; confirming stores the choice and marks
// the form modified, cancelling changes nothing.

#include <QFont>

#include <functional>

class OpenGLFontProperyEditor {
 public:
  // Runs a modal font dialog starting from `font`; true when the user confirmed, with
  // `font` then the choice.
  using FontDialog = std::function<bool(QFont& font)>;
  static bool RunFontDialog(QFont& font);

  // `get` reads the edited property; `set` stores a font in it and tells the designer
  // that the form has been modified.
  OpenGLFontProperyEditor(std::function<QFont()> get, std::function<void(const QFont&)> set,
                          FontDialog dialog = RunFontDialog);

  void Edit();

 private:
  std::function<QFont()> get_;
  std::function<void(const QFont&)> set_;
  FontDialog dialog_;
};
