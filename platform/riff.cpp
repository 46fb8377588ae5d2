// The RIFF reader over a byte range in memory. Every offset is checked
// against the range before it is used, so no header, however it lies about
// its sizes, makes the reader look outside the caller's bytes.
#include <cstring>
#include <new>

#include "gauge_platform/audio.h"

struct PlatformRiff_ {
    const uint8_t* data;
    uint32_t size;
    uint32_t position;  // always <= size
};

namespace {

constexpr uint32_t kRiff = PLATFORM_FOURCC('R', 'I', 'F', 'F');
constexpr uint32_t kList = PLATFORM_FOURCC('L', 'I', 'S', 'T');
constexpr uint32_t kHeader = 8;

uint32_t le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

extern "C" {

PlatformRiff platform_riff_open(const void* data, uint32_t size, uint32_t io_procedure, uint32_t) {
    if (!data || io_procedure != PLATFORM_RIFF_IO_MEMORY) return nullptr;
    return new (std::nothrow) PlatformRiff_{static_cast<const uint8_t*>(data), size, 0};
}

int32_t platform_riff_descend(PlatformRiff riff, PlatformRiffChunk* chunk, const PlatformRiffChunk* parent,
                              uint32_t flags) {
    if (!riff || !chunk) return 0;
    // The search stays inside the parent's data, which must itself lie in the file.
    uint64_t end = riff->size;
    if (parent) {
        const uint64_t parent_end = uint64_t(parent->offset) + parent->size;
        if (parent_end > riff->size) return 0;
        end = parent_end;
    }
    const bool find_riff = flags & PLATFORM_RIFF_FIND_RIFF;
    const bool find_chunk = flags & PLATFORM_RIFF_FIND_CHUNK;
    const uint32_t want = find_riff ? chunk->form : chunk->id;
    uint64_t at = riff->position;
    while (at + kHeader <= end) {
        const uint32_t id = le32(riff->data + at);
        const uint32_t size = le32(riff->data + at + 4);
        const uint64_t data = at + kHeader;
        if (data + size > end) return 0;  // truncated or lying about its size
        uint32_t form = 0;
        const bool has_form = id == kRiff || id == kList;
        if (has_form) {
            if (size < 4) return 0;
            form = le32(riff->data + data);
        }
        const bool match = find_riff ? (id == kRiff && form == want) : (!find_chunk || id == want);
        if (match) {
            chunk->id = id;
            chunk->size = size;
            chunk->form = form;
            chunk->offset = uint32_t(data);
            riff->position = uint32_t(has_form ? data + 4 : data);
            return 1;
        }
        at = data + size + (size & 1);
    }
    return 0;
}

int32_t platform_riff_ascend(PlatformRiff riff, const PlatformRiffChunk* chunk) {
    if (!riff || !chunk) return 0;
    uint64_t end = uint64_t(chunk->offset) + chunk->size;
    if (end > riff->size) return 0;
    if ((chunk->size & 1) && end < riff->size) ++end;  // the pad byte, when there is one
    riff->position = uint32_t(end);
    return 1;
}

int32_t platform_riff_read(PlatformRiff riff, void* out, int32_t bytes) {
    if (!riff || bytes < 0 || (!out && bytes > 0)) return -1;
    const uint32_t left = riff->size - riff->position;
    const uint32_t n = uint32_t(bytes) < left ? uint32_t(bytes) : left;
    if (n) std::memcpy(out, riff->data + riff->position, n);
    riff->position += n;
    return int32_t(n);
}

int32_t platform_riff_close(PlatformRiff riff) {
    if (!riff) return 0;
    delete riff;
    return 1;
}

}  // extern "C"
