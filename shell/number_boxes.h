#pragma once
// Filling a panel's edit boxes, and reading them as numbers, all or nothing.

#include <initializer_list>
#include <optional>
#include <vector>

class QLineEdit;
class QString;

namespace shell {

// Sets the box's text with the cursor at its start, so that a number longer than the
// box shows its leading digits.
void ShowText(QLineEdit* box, const QString& text);

// The boxes' numbers, in order. At the first box that holds no number its
// conversion error is shown, that box takes the focus with its text selected for
// correcting, and nothing is returned, so the caller stores nothing.
std::optional<std::vector<float>> ReadNumbers(std::initializer_list<QLineEdit*> boxes);

}  // namespace shell
