#pragma once
// Finding a name in an OpenGL extension string.

#include <string_view>

// Whether `name` is one of the space-separated tokens of `extensions`, exactly and
// case-sensitively. An empty name is found only where two spaces meet or the string
// begins with a space.
bool ExtensionListed(std::string_view extensions, std::string_view name);
