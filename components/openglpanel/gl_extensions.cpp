#include "components/openglpanel/gl_extensions.h"

bool ExtensionListed(std::string_view extensions, std::string_view name) {
  std::size_t p = 0;
  while (p < extensions.size()) {
    const std::size_t space = extensions.find(' ', p);
    const std::size_t t = (space == std::string_view::npos ? extensions.size() : space) - p;
    if (extensions.substr(p, t) == name)
      return true;
    p += t + 1;
  }
  return false;
}
