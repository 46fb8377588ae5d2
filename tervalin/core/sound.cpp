// The sound player: each sounding gauge's set holds a device and one
// buffer with its whole WAVE, made at install and played by its clicks.
#include "core/sound.h"

#include <cstring>

namespace tervalin {

int32_t sound_available = 1;

namespace {

constexpr const char* kWaveType = "WAVE";
constexpr const char* kClassOtherHosts = "MSCFSMAIN";
constexpr const char* kClassFlightSimulator = "FS98MAIN";
constexpr uint32_t kFormatHeaderBytes = 18;
// Volume, pan and frequency control, and global focus: the click sounds
// even when the host's window is not in front.
constexpr uint32_t kBufferFlags = PLATFORM_BUFFER_CTRL_FREQUENCY | PLATFORM_BUFFER_CTRL_PAN |
                                  PLATFORM_BUFFER_CTRL_VOLUME | PLATFORM_BUFFER_GLOBAL_FOCUS;
static_assert(kBufferFlags == 0x80E0);

int32_t sound_off() {
    sound_available = 0;
    return 0;
}

// Steps 3-6 of the load: the format header and the data chunk, copied into
// global memory. False on any failure; *memory is set only on success.
bool read_wave(const void* bytes, uint32_t size, PlatformWaveFormat& format, PlatformGlobal& memory, uint32_t& count) {
    PlatformRiff riff =
        platform_riff_open(bytes, size, PLATFORM_RIFF_IO_MEMORY, PLATFORM_RIFF_READWRITE | PLATFORM_RIFF_ALLOCBUF);
    if (!riff) return false;
    bool ok = false;
    PlatformRiffChunk wave{.form = PLATFORM_FOURCC('W', 'A', 'V', 'E')};
    PlatformRiffChunk fmt{.id = PLATFORM_FOURCC('f', 'm', 't', ' ')};
    PlatformRiffChunk data{.id = PLATFORM_FOURCC('d', 'a', 't', 'a')};
    if (platform_riff_descend(riff, &wave, nullptr, PLATFORM_RIFF_FIND_RIFF) &&
        platform_riff_descend(riff, &fmt, &wave, PLATFORM_RIFF_FIND_CHUNK) &&
        platform_riff_read(riff, &format, kFormatHeaderBytes) == int32_t(kFormatHeaderBytes) &&
        platform_riff_ascend(riff, &fmt) && platform_riff_descend(riff, &data, &wave, PLATFORM_RIFF_FIND_CHUNK)) {
        count = data.size;
        memory = platform_global_alloc(PLATFORM_GMEM_MOVEABLE, count);
        void* target = memory ? platform_global_lock(memory) : nullptr;
        if (target && platform_riff_read(riff, target, int32_t(count)) == int32_t(count)) {
            ok = true;
        } else if (memory) {
            platform_global_unlock(memory);
            platform_global_free(memory);
            memory = nullptr;
        }
    }
    platform_riff_close(riff);
    return ok && count > 0;
}

}  // namespace

PlatformWindow find_host_window() {
    char path[4096];
    const char* name = "";
    if (platform_executable_path(path, sizeof path)) {
        char* base = std::strrchr(path, '/');
        base = base ? base + 1 : path;
        if (char* back = std::strrchr(base, '\\')) base = back + 1;
        if (char* dot = std::strrchr(base, '.')) *dot = '\0';
        name = base;
    }
    const size_t length = std::strlen(name);
    const bool other_host = (length > 3 && name[3] == '2') || (length > 0 && name[0] == 'C');
    return platform_find_window(other_host ? kClassOtherHosts : kClassFlightSimulator, nullptr);
}

int32_t create_sound_device(PlatformWindow window, PlatformSoundDevice& device) {
    if (!sound_available) return 0;
    if (!platform_audio_create_device(nullptr, &device)) {
        device = nullptr;
        return sound_off();
    }
    if (!platform_audio_set_cooperative_level(device, window, PLATFORM_AUDIO_NORMAL)) {
        platform_audio_release_device(device);
        device = nullptr;
        return sound_off();
    }
    return 1;
}

uint32_t load_wave_resource(PlatformSoundDevice& device, PlatformSoundBuffer& buffer, uint32_t wave,
                            PlatformModule module) {
    if (!sound_available) return 0;
    buffer = nullptr;

    PlatformResourceInfo info = platform_find_resource(module, wave, kWaveType);
    PlatformResourceData resource = info ? platform_load_resource(module, info) : nullptr;
    const void* bytes = resource ? platform_lock_resource(resource) : nullptr;
    const uint32_t size = bytes ? platform_sizeof_resource(module, info) : 0;
    PlatformWaveFormat format{};
    PlatformGlobal memory = nullptr;
    uint32_t count = 0;
    const bool read = size && read_wave(bytes, size, format, memory, count);
    if (resource) platform_free_resource(resource);
    if (!read) return uint32_t(sound_off());

    const PlatformBufferDescription description{
        .size = PLATFORM_BUFFER_DESCRIPTION_SIZE, .flags = kBufferFlags, .buffer_bytes = count, .format = &format};
    bool filled = false;
    if (platform_audio_create_buffer(device, &description, &buffer)) {
        void* part1 = nullptr;
        void* part2 = nullptr;
        uint32_t bytes1 = 0, bytes2 = 0;
        if (platform_audio_lock(buffer, 0, count, &part1, &bytes1, &part2, &bytes2, 0)) {
            // The whole buffer from 0 comes back as one part; never copy past it.
            const uint32_t copied = bytes1 < count ? bytes1 : count;
            std::memcpy(part1, platform_global_lock(memory), copied);
            platform_global_unlock(memory);
            filled = platform_audio_unlock(buffer, part1, copied, nullptr, 0) && platform_audio_set_position(buffer, 0);
        }
        if (!filled) platform_audio_release_buffer(buffer);
    }
    platform_global_unlock(memory);
    platform_global_free(memory);
    if (!filled) {
        buffer = nullptr;
        return uint32_t(sound_off());
    }
    return count;
}

int32_t play_sound(PlatformSoundBuffer& buffer, uint32_t flags) {
    if (!sound_available) return 0;
    // Another instance of the gauge may have released the set: silence.
    if (!buffer) return 0;
    if (!platform_audio_play(buffer, 0, 0, flags)) {
        platform_audio_release_buffer(buffer);
        buffer = nullptr;
        return sound_off();
    }
    return 1;
}

void release_sound_buffer(PlatformSoundBuffer& buffer) {
    if (!sound_available || !buffer) return;
    platform_audio_release_buffer(buffer);
    buffer = nullptr;
}

void release_sound_device(PlatformSoundDevice& device) {
    if (!sound_available || !device) return;
    platform_audio_release_device(device);
    device = nullptr;
}

void sound_set_install(SoundSet& set, uintptr_t module_handle, uint32_t wave) {
    // A second placed instance takes the set over; let go of the first's
    // objects rather than lose them.
    release_sound_buffer(set.buffer);
    release_sound_device(set.device);
    set.module = reinterpret_cast<PlatformModule>(module_handle);
    set.window = find_host_window();
    create_sound_device(set.window, set.device);
    load_wave_resource(set.device, set.buffer, wave, set.module);
}

void sound_set_release(SoundSet& set) {
    release_sound_buffer(set.buffer);
    release_sound_device(set.device);
}

void sound_set_play(SoundSet& set) {
    play_sound(set.buffer, 0);
}

}  // namespace tervalin
