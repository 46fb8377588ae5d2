// PNG decoding and surface creation on arbitrary bytes: a picture beyond
// the host's limits is refused by its header, before any allocation, and
// anything decoded becomes a surface.
#include <cstddef>
#include <cstdint>

#include "bitmaps.h"
#include "error.h"
#include "files.h"
#include "render.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const auto header = gaugehost::png_size(bytes);
    auto image = gaugehost::decode_png(bytes, nullptr);
    if (!image) return 0;
    if (!header || header->width != image->width || header->height != image->height) __builtin_trap();
    if (!gaugehost::picture_size_ok(image->width, image->height)) __builtin_trap();
    if (image->rgba.size() != size_t(image->width) * image->height * 4) __builtin_trap();
    try {
        gaugehost::Surface surface = gaugehost::image_surface(*image);
    } catch (const gaugehost::HostError&) {
    }
    return 0;
}
