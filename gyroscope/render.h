#pragma once
// Display lists of the parts that move with the body, in body coordinates (the
// pivot at the origin, the axle along +z).

namespace gyroscope {

enum DisplayList { DiscList = 1, CrossList = 2, AxleList = 4 };

// Needs a current GL context; the lists depend only on the fixed dimensions.
void CompileDisplayLists();

}  // namespace gyroscope
