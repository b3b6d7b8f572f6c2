#include "shell/number_boxes.h"

#include <QLineEdit>

#include "framework/application.h"
#include "framework/conversions.h"

namespace shell {

void ShowText(QLineEdit* box, const QString& text) {
  box->setText(text);
  box->setCursorPosition(0);
}

std::optional<std::vector<float>> ReadNumbers(std::initializer_list<QLineEdit*> boxes) {
  std::vector<float> values;
  for (QLineEdit* box : boxes) {
    try {
      values.push_back(framework::StrToFloat(box->text()));
    } catch (const framework::ConversionError& error) {
      framework::ShowException(error);
      box->setFocus();
      box->selectAll();
      return std::nullopt;
    }
  }
  return values;
}

}  // namespace shell
