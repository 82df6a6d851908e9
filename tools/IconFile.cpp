#include "tools/IconFile.h"

#include <fstream>
#include <iostream>

namespace iconfile {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;

class LittleEndian {
public:
    void U8(std::uint32_t value) { bytes.push_back(static_cast<std::uint8_t>(value)); }
    void U16(std::uint32_t value) {
        U8(value & 0xFF);
        U8(value >> 8 & 0xFF);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Bytes(const std::vector<std::uint8_t>& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
    }

    std::vector<std::uint8_t> bytes;
};

// A bitmap image in an icon: its header gives twice the height, for the colour rows followed
// by a 1-bit mask. Rows run bottom to top, colours as BGRA; the mask marks transparent
// pixels for the readers that ignore alpha.
std::vector<std::uint8_t> BitmapImage(const Canvas& canvas) {
    const auto size = static_cast<std::uint32_t>(canvas.GetWidth());
    const std::vector<std::uint8_t> rgba = canvas.ToRgbaBytes();
    const std::uint32_t maskStride = (size + 31) / 32 * 4;
    LittleEndian out;
    out.U32(kBitmapHeaderSize);
    out.U32(size);
    out.U32(2 * size);
    out.U16(1);  // planes
    out.U16(32); // bits per pixel
    out.U32(0);  // uncompressed
    out.U32(size * size * 4 + maskStride * size);
    for (int unused = 0; unused < 4; ++unused) {
        out.U32(0); // resolution and palette: none
    }
    for (std::uint32_t row = size; row-- > 0;) {
        for (std::uint32_t x = 0; x < size; ++x) {
            const std::uint8_t* pixel = &rgba[(row * size + x) * 4];
            out.Bytes({pixel[2], pixel[1], pixel[0], pixel[3]});
        }
    }
    for (std::uint32_t row = size; row-- > 0;) {
        std::vector<std::uint8_t> mask(maskStride, 0);
        for (std::uint32_t x = 0; x < size; ++x) {
            if (rgba[(row * size + x) * 4 + 3] == 0) {
                mask[x / 8] = static_cast<std::uint8_t>(mask[x / 8] | 0x80 >> (x % 8));
            }
        }
        out.Bytes(mask);
    }
    return out.bytes;
}

} // namespace

bool Write(const std::string& path, const std::vector<Canvas>& bitmaps,
           const std::vector<std::uint8_t>& png256) {
    std::vector<std::vector<std::uint8_t>> images;
    std::vector<std::uint32_t> sizes;
    for (const Canvas& canvas : bitmaps) {
        if (canvas.GetWidth() != canvas.GetHeight() || canvas.GetWidth() > 255) {
            std::cerr << "iconfile::Write, a bitmap is not square or is over 255 pixels"
                      << std::endl;
            return false;
        }
        images.push_back(BitmapImage(canvas));
        sizes.push_back(static_cast<std::uint32_t>(canvas.GetWidth()));
    }
    images.push_back(png256);
    sizes.push_back(0); // 0 stands for 256

    LittleEndian out;
    out.U16(0); // reserved
    out.U16(1); // an icon, not a cursor
    out.U16(static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kDirectorySize + kEntrySize * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.U8(sizes[i]);
        out.U8(sizes[i]);
        out.U8(0);  // no palette
        out.U8(0);  // reserved
        out.U16(1); // planes
        out.U16(32);
        out.U32(static_cast<std::uint32_t>(images[i].size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) {
        out.Bytes(image);
    }

    std::ofstream file{path, std::ios::binary};
    file.write(reinterpret_cast<const char*>(out.bytes.data()),
               static_cast<std::streamsize>(out.bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "iconfile::Write, error when writing " << path << std::endl;
        return false;
    }
    return true;
}

} // namespace iconfile
