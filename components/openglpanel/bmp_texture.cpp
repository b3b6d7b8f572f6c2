#include "components/openglpanel/bmp_texture.h"

#include <algorithm>
#include <bit>
#include <fstream>
#include <new>
#include <optional>

namespace {

// Larger files or textures are refused rather than risk exhausting memory: no texture
// an OpenGL 1.1 implementation takes comes near these.
constexpr std::uint64_t kMaxFileBytes = 256u << 20;
constexpr std::uint64_t kMaxDataBytes = 256u << 20;

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kRGB = 0;        // BI_RGB
constexpr std::uint32_t kBitFields = 3;  // BI_BITFIELDS

// Little-endian fields of the file, every read checked against its end.
class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::optional<std::uint32_t> Get(std::uint64_t offset, int size) const {
    if (offset > bytes_.size() || bytes_.size() - offset < std::uint64_t(size))
      return std::nullopt;
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes_[offset + i];
    return value;
  }
  bool Holds(std::uint64_t offset, std::uint64_t size) const {
    return offset <= bytes_.size() && bytes_.size() - offset >= size;
  }
  const std::uint8_t* At(std::uint64_t offset) const { return bytes_.data() + offset; }

 private:
  std::span<const std::uint8_t> bytes_;
};

// One channel of a bit-field pixel, scaled to 0-255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (mask != 0) {
      shift = std::countr_zero(mask);
      max = mask >> shift;
    }
  }
  std::uint8_t operator()(std::uint32_t pixel) const {
    if (max == 0)
      return 0;
    return std::uint8_t(std::uint64_t((pixel & mask) >> shift) * 255 / max);
  }
};

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

struct Header {
  std::int64_t width = 0, height = 0;  // height < 0: rows stored top first
  int bits = 0;
  std::uint32_t compression = kRGB;
  std::uint32_t headerBytes = 0;
  std::uint32_t colours = 0;  // palette entries the file declares, 0 for the default
  std::uint32_t masks[3] = {};
};

std::optional<Header> ReadHeader(const Bytes& file) {
  Header h;
  const auto size = file.Get(kFileHeaderBytes, 4);
  if (!size)
    return std::nullopt;
  h.headerBytes = *size;
  const std::uint32_t at = kFileHeaderBytes;
  if (h.headerBytes == kCoreHeaderBytes) {
    const auto w = file.Get(at + 4, 2), ht = file.Get(at + 6, 2), bits = file.Get(at + 10, 2);
    if (!w || !ht || !bits)
      return std::nullopt;
    h.width = *w;
    h.height = *ht;
    h.bits = int(*bits);
    return h;
  }
  if (h.headerBytes < kInfoHeaderBytes)
    return std::nullopt;
  const auto w = file.Get(at + 4, 4), ht = file.Get(at + 8, 4), bits = file.Get(at + 14, 2),
             compression = file.Get(at + 16, 4), colours = file.Get(at + 32, 4);
  if (!w || !ht || !bits || !compression || !colours)
    return std::nullopt;
  h.width = std::int32_t(*w);
  h.height = std::int32_t(*ht);
  h.bits = int(*bits);
  h.compression = *compression;
  h.colours = *colours;
  if (h.compression == kBitFields) {
    // The masks end the longer headers and follow the 40-byte one.
    for (int i = 0; i < 3; ++i) {
      const auto mask = file.Get(at + kInfoHeaderBytes + 4u * i, 4);
      if (!mask)
        return std::nullopt;
      h.masks[i] = *mask;
    }
  }
  return h;
}

bool Supported(const Header& h) {
  if (h.width <= 0 || h.height == 0)
    return false;
  switch (h.bits) {
    case 1:
    case 4:
    case 8:
    case 24:
      return h.compression == kRGB;
    case 16:
    case 32:
      return h.compression == kRGB || h.compression == kBitFields;
    default:
      return false;
  }
}

// The colour table of a paletted bitmap; indices past its end read as black.
std::optional<std::vector<Rgb>> ReadPalette(const Bytes& file, const Header& h) {
  const std::uint32_t full = 1u << h.bits;
  const std::uint32_t count = h.colours == 0 ? full : std::min(h.colours, full);
  const int entry = h.headerBytes == kCoreHeaderBytes ? 3 : 4;
  // Paletted bitmaps carry no bit fields: the table follows the header.
  const std::uint64_t at = std::uint64_t{kFileHeaderBytes} + h.headerBytes;
  if (!file.Holds(at, std::uint64_t{count} * entry))
    return std::nullopt;
  std::vector<Rgb> palette(full);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* bgr = file.At(at + std::uint64_t{i} * entry);
    palette[i] = {bgr[2], bgr[1], bgr[0]};
  }
  return palette;
}

// Reads pixel x of a stored row.
class RowReader {
 public:
  RowReader(const Header& h, std::vector<Rgb> palette)
      : bits_(h.bits), palette_(std::move(palette)) {
    const bool fields = h.compression == kBitFields;
    if (h.bits == 16 && !fields) {
      red_ = Channel(0x7C00), green_ = Channel(0x03E0), blue_ = Channel(0x001F);
    } else if (h.bits == 32 && !fields) {
      red_ = Channel(0xFF0000), green_ = Channel(0xFF00), blue_ = Channel(0xFF);
    } else {
      red_ = Channel(h.masks[0]), green_ = Channel(h.masks[1]), blue_ = Channel(h.masks[2]);
    }
  }

  Rgb operator()(const std::uint8_t* row, std::int64_t x) const {
    switch (bits_) {
      case 1:
      case 4:
      case 8: {
        const std::int64_t bit = x * bits_;
        const int index = (row[bit / 8] >> (8 - bits_ - bit % 8)) & ((1 << bits_) - 1);
        return palette_[std::size_t(index)];
      }
      case 24:
        return {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
      case 16:
        return Fields(std::uint32_t(row[2 * x]) | std::uint32_t(row[2 * x + 1]) << 8);
      default: {
        const std::uint8_t* p = row + 4 * x;
        return Fields(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                      std::uint32_t(p[3]) << 24);
      }
    }
  }

 private:
  Rgb Fields(std::uint32_t pixel) const { return {red_(pixel), green_(pixel), blue_(pixel)}; }

  int bits_;
  std::vector<Rgb> palette_;
  Channel red_{0}, green_{0}, blue_{0};
};

std::unique_ptr<BMPTexture> Decode(std::span<const std::uint8_t> bytes, bool alpha) {
  const Bytes file(bytes);
  const auto signature = file.Get(0, 2), pixels_at = file.Get(10, 4);
  if (!signature || *signature != 0x4D42 || !pixels_at)  // "BM"
    return nullptr;
  const std::optional<Header> h = ReadHeader(file);
  if (!h || !Supported(*h))
    return nullptr;

  const std::int64_t rows = h->height < 0 ? -h->height : h->height;
  const std::uint64_t stride = (std::uint64_t(h->width) * h->bits + 31) / 32 * 4;
  const int components = alpha ? 4 : 3;
  if (!file.Holds(*pixels_at, stride * rows) ||
      std::uint64_t(h->width) * rows * components > kMaxDataBytes)
    return nullptr;
  std::vector<Rgb> palette;
  if (h->bits <= 8) {
    auto read = ReadPalette(file, *h);
    if (!read)
      return nullptr;
    palette = std::move(*read);
  }
  const RowReader pixel(*h, std::move(palette));

  auto texture = std::make_unique<BMPTexture>();
  texture->Components = components;
  texture->Width = std::int32_t(h->width);
  texture->Height = std::int32_t(rows);
  texture->Format = alpha ? kGLRGBA : kGLRGB;
  texture->Type = kGLUnsignedByte;
  texture->Data.resize(std::size_t(h->width) * rows * components);
  std::uint8_t* out = texture->Data.data();
  for (std::int64_t i = 0; i < rows; ++i) {
    // Texture row i is the i-th row from the bottom of the image.
    const std::int64_t stored = h->height > 0 ? i : rows - 1 - i;
    const std::uint8_t* row = file.At(*pixels_at + stride * stored);
    for (std::int64_t j = 0; j < h->width; ++j) {
      const Rgb c = pixel(row, j);
      *out++ = c.r;
      *out++ = c.g;
      *out++ = c.b;
      if (alpha)
        *out++ = 255;
    }
  }
  return texture;
}

}  // namespace

std::unique_ptr<BMPTexture> DecodeBMPTexture(std::span<const std::uint8_t> file, bool alpha) {
  try {
    return Decode(file, alpha);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

std::unique_ptr<BMPTexture> LoadBMPTexture(const std::string& fileName, bool alpha) {
  try {
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in)
      return nullptr;
    const std::streamoff size = in.tellg();
    if (size < 0 || std::uint64_t(size) > kMaxFileBytes)
      return nullptr;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
      return nullptr;
    return DecodeBMPTexture(bytes, alpha);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
