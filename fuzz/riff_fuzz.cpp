// The memory RIFF reader on arbitrary bytes, walked as the sound player
// walks a WAVE and then chunk by chunk: it must never read outside them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gauge_platform/audio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly size bytes, so any read past them is caught.
    std::vector<uint8_t> bytes(data, data + size);
    const void* base = bytes.empty() ? static_cast<const void*>(data) : bytes.data();
    PlatformRiff riff = platform_riff_open(base, uint32_t(size), PLATFORM_RIFF_IO_MEMORY, 0);
    if (!riff) return 0;
    PlatformRiffChunk wave{.form = PLATFORM_FOURCC('W', 'A', 'V', 'E')};
    PlatformRiffChunk fmt{.id = PLATFORM_FOURCC('f', 'm', 't', ' ')};
    PlatformRiffChunk body{.id = PLATFORM_FOURCC('d', 'a', 't', 'a')};
    PlatformWaveFormat format;
    if (platform_riff_descend(riff, &wave, nullptr, PLATFORM_RIFF_FIND_RIFF) &&
        platform_riff_descend(riff, &fmt, &wave, PLATFORM_RIFF_FIND_CHUNK)) {
        platform_riff_read(riff, &format, sizeof format);
        platform_riff_ascend(riff, &fmt);
        if (platform_riff_descend(riff, &body, &wave, PLATFORM_RIFF_FIND_CHUNK)) {
            std::vector<uint8_t> samples(body.size);
            if (platform_riff_read(riff, samples.data(), int32_t(body.size)) != int32_t(body.size)) __builtin_trap();
        }
    }
    // Any chunk, then ascend, to the end of the file.
    PlatformRiff walk = platform_riff_open(base, uint32_t(size), PLATFORM_RIFF_IO_MEMORY, 0);
    PlatformRiffChunk chunk{};
    for (int i = 0; i < 64 && platform_riff_descend(walk, &chunk, nullptr, 0); ++i) {
        uint8_t head[8];
        platform_riff_read(walk, head, sizeof head);
        if (!platform_riff_ascend(walk, &chunk)) break;
    }
    platform_riff_close(walk);
    platform_riff_close(riff);
    return 0;
}
