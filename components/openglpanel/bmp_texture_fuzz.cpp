// libFuzzer target: any bytes, as a bitmap file, either give null or a texture whose
// data has exactly the size its dimensions say.
#include "components/openglpanel/bmp_texture.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (bool alpha : {false, true}) {
    const auto texture = DecodeBMPTexture({data, size}, alpha);
    if (texture &&
        texture->Data.size() != std::size_t(texture->Width) * texture->Height * texture->Components)
      std::abort();
  }
  return 0;
}
