#pragma once
// Reading a panel's edit boxes as numbers, all or nothing.

#include <initializer_list>
#include <optional>
#include <vector>

class QLineEdit;

namespace shell {

// The boxes' numbers, in order. At the first box that holds no number its
// conversion error is shown, that box takes the focus with its text selected for
// correcting, and nothing is returned, so the caller stores nothing.
std::optional<std::vector<float>> ReadNumbers(std::initializer_list<QLineEdit*> boxes);

}  // namespace shell
