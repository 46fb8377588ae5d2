#include "sounds.h"

namespace gaugehost {
namespace {

// The data chunk of a WAVE file, read with the platform's own reader.
std::optional<std::pair<const uint8_t*, uint32_t>> data_chunk(const std::vector<uint8_t>& file) {
    PlatformRiff riff = platform_riff_open(file.data(), uint32_t(file.size()), PLATFORM_RIFF_IO_MEMORY, 0);
    if (!riff) return std::nullopt;
    PlatformRiffChunk wave{.form = PLATFORM_FOURCC('W', 'A', 'V', 'E')};
    PlatformRiffChunk data{.id = PLATFORM_FOURCC('d', 'a', 't', 'a')};
    std::optional<std::pair<const uint8_t*, uint32_t>> found;
    if (platform_riff_descend(riff, &wave, nullptr, PLATFORM_RIFF_FIND_RIFF) &&
        platform_riff_descend(riff, &data, &wave, PLATFORM_RIFF_FIND_CHUNK))
        found.emplace(file.data() + data.offset, data.size);
    platform_riff_close(riff);
    return found;
}

}  // namespace

std::optional<uint32_t> wave_holding(const LoadedModule& module, uint32_t size, uint64_t hash) {
    for (uint32_t id : module.resource_ids("WAVE")) {
        const auto* file = module.resource("WAVE", id);
        if (!file) continue;
        const auto data = data_chunk(*file);
        if (data && data->second == size && platform_audio_hash(data->first, data->second) == hash) return id;
    }
    return std::nullopt;
}

const std::vector<std::string>& sound_fault_names() {
    static const std::vector<std::string> names = {
        "device", "cooperative", "resource", "buffer", "lock", "unlock", "play", "memory"};
    return names;
}

}  // namespace gaugehost
