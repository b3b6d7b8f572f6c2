#pragma once
// The green tick that OK buttons of the in-window panels carry beside "&Ok".

#include <QIcon>

namespace shell {

QIcon OkGlyph();

}  // namespace shell
