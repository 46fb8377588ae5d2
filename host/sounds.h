// The sounds the modules play, as the host hears them: each successful
// play, with the instance whose callback played it and the WAVE resource
// whose samples the buffer holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gauge_platform/audio.h"
#include "module.h"

namespace gaugehost {

struct PlayedSound {
    std::optional<size_t> instance;  // none when played outside a callback
    std::optional<uint32_t> wave;    // none when no WAVE of the module holds those samples
    uint32_t bytes = 0;
};

// The WAVE resource of the module whose data chunk is exactly the bytes
// with that size and hash (platform_audio_hash), if any.
std::optional<uint32_t> wave_holding(const LoadedModule& module, uint32_t size, uint64_t hash);

// Operations whose failure `--sound-fault` can inject.
const std::vector<std::string>& sound_fault_names();

}  // namespace gaugehost
