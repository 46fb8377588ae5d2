#include "bitmaps.h"

#include <png.h>

#include <cstring>

#include "files.h"

namespace gaugehost {

std::optional<BitmapSize> png_size(std::span<const uint8_t> bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    BitmapSize size{int(image.width), int(image.height)};
    png_image_free(&image);
    return size;
}

std::optional<Image> decode_png(std::span<const uint8_t> bytes, std::string* error) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        if (error) *error = png.message;
        return std::nullopt;
    }
    // Checked before anything is allocated: the header alone claims the size.
    if (!picture_size_ok(png.width, png.height)) {
        if (error)
            *error = std::to_string(png.width) + " x " + std::to_string(png.height) +
                     " pixels, more than the host draws (" + picture_limit_text() + ")";
        png_image_free(&png);
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGBA;
    Image image;
    image.width = int(png.width);
    image.height = int(png.height);
    image.rgba.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr)) {
        if (error) *error = png.message;
        png_image_free(&png);
        return std::nullopt;
    }
    // Black is the transparent colour of gauge bitmaps.
    for (size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        uint8_t* p = &image.rgba[i];
        if (p[0] == 0 && p[1] == 0 && p[2] == 0) p[3] = 0;
    }
    return image;
}

void EncodedBitmaps::add(uint32_t id, std::vector<uint8_t> bytes) {
    decoded_.erase(id);
    sizes_[id] = png_size(bytes);
    encoded_[id] = std::move(bytes);
}

std::optional<BitmapSize> EncodedBitmaps::size(uint32_t id) const {
    auto it = sizes_.find(id);
    return it == sizes_.end() ? std::nullopt : it->second;
}

const Image* EncodedBitmaps::image(uint32_t id) const {
    if (auto it = decoded_.find(id); it != decoded_.end()) return it->second.get();
    auto it = encoded_.find(id);
    if (it == encoded_.end()) return nullptr;
    auto image = decode_png(it->second, nullptr);
    auto& slot = decoded_[id];
    if (image) slot = std::make_unique<Image>(std::move(*image));
    return slot.get();
}

}  // namespace gaugehost
