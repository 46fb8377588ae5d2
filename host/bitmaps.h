// Bitmaps by numeric id, as the host takes them from a module's resources
// (palette or true-colour PNG data of type "BITMAP").
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gaugehost {

struct BitmapSize {
    int width = 0;
    int height = 0;
};

// A decoded bitmap, 8-bit RGBA rows; pure black pixels are transparent.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

inline constexpr const char* kBitmapType = "BITMAP";

class BitmapSource {
public:
    virtual ~BitmapSource() = default;
    virtual std::optional<BitmapSize> size(uint32_t id) const = 0;
    // Null when the bitmap is missing or cannot be decoded.
    virtual const Image* image(uint32_t id) const = 0;
};

// Bitmaps from encoded resource bytes, decoded once on first use.
class EncodedBitmaps : public BitmapSource {
public:
    void add(uint32_t id, std::vector<uint8_t> bytes);
    std::optional<BitmapSize> size(uint32_t id) const override;
    const Image* image(uint32_t id) const override;
    bool empty() const { return encoded_.empty(); }

private:
    std::map<uint32_t, std::vector<uint8_t>> encoded_;
    // Read from each header once: the value flow asks for strip and window
    // sizes every frame.
    std::map<uint32_t, std::optional<BitmapSize>> sizes_;
    mutable std::map<uint32_t, std::unique_ptr<Image>> decoded_;
};

// The size of PNG data, without decoding it.
std::optional<BitmapSize> png_size(std::span<const uint8_t> bytes);
// Decodes PNG data to RGBA with pure black made transparent.
std::optional<Image> decode_png(std::span<const uint8_t> bytes, std::string* error);

}  // namespace gaugehost
