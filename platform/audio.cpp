// The audio device and its secondary buffers. Two backends: SDL2 audio,
// which mixes every playing buffer into the default output, and a
// recording backend that plays nothing and only logs each play, for tests
// and headless runs. Microsoft ADPCM buffers are decoded to PCM by
// libsndfile when they play.
#include "gauge_platform/audio.h"

#include <SDL.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "faults.h"

namespace gauge_platform {
bool window_registered(PlatformWindow window);
}

struct PlatformSoundDevice_ {
    uint32_t references;  // the caller's
    uint32_t buffers;     // live buffers made on it keep it alive
    bool cooperative;
};

struct PlatformSoundBuffer_ {
    uint32_t serial;
    uint32_t references;
    PlatformSoundDevice_* device;
    PlatformWaveFormat format;
    uint32_t flags;
    std::vector<uint8_t> bytes;
    uint32_t position;
    // The current lock, if any.
    bool locked;
    uint32_t lock_offset, lock_bytes;
    // Playback (SDL backend): the sound in the device's format, touched by
    // the mixing thread only under the device lock.
    bool playing;
    bool looping;
    uint32_t start;
    std::vector<int16_t> mix;
    size_t cursor;
    bool voice_done;
};

namespace gauge_platform {
namespace {

enum class Backend { Unset, Sdl, Record };

struct AudioState {
    Backend chosen = Backend::Unset;  // by the program
    std::set<PlatformSoundDevice_*> devices;
    std::set<PlatformSoundBuffer_*> buffers;
    uint32_t next_serial = 1;
    std::vector<PlatformPlayRecord> log;
    PlatformPlayObserver observer = nullptr;
    void* observer_context = nullptr;
    // SDL output.
    SDL_AudioDeviceID output = 0;
    SDL_AudioSpec spec{};
};

// Never destroyed: objects a module leaves behind stay the platform's
// until the process ends, and the mixing thread never sees it torn down.
AudioState& state() {
    static AudioState* s = new AudioState;
    return *s;
}

Backend backend() {
    // Silence wins: either the program or the environment can ask for it.
    const char* env = std::getenv("GAUGE_AUDIO");
    const Backend from_env = !env                              ? Backend::Unset
                             : std::strcmp(env, "record") == 0 ? Backend::Record
                             : std::strcmp(env, "sdl") == 0    ? Backend::Sdl
                                                               : Backend::Unset;
    const Backend chosen = state().chosen;
    if (chosen == Backend::Record || from_env == Backend::Record) return Backend::Record;
    return Backend::Sdl;
}

bool live(PlatformSoundBuffer_* buffer) {
    return buffer && state().buffers.count(buffer);
}
bool live(PlatformSoundDevice_* device) {
    return device && state().devices.count(device);
}

// ---- Formats ----

bool pcm_format(const PlatformWaveFormat& f) {
    return f.format_tag == PLATFORM_WAVE_FORMAT_PCM && (f.channels == 1 || f.channels == 2) &&
           (f.bits_per_sample == 8 || f.bits_per_sample == 16) && f.block_align == f.channels * f.bits_per_sample / 8;
}

// Frames per block of Microsoft ADPCM: a header of 7 bytes per channel
// holds two frames, then a nibble per sample.
uint32_t adpcm_frames_per_block(const PlatformWaveFormat& f) {
    const uint32_t header = 7u * f.channels;
    if (f.block_align <= header) return 0;
    return (f.block_align - header) * 2u / f.channels + 2u;
}

bool adpcm_format(const PlatformWaveFormat& f) {
    return f.format_tag == PLATFORM_WAVE_FORMAT_ADPCM && (f.channels == 1 || f.channels == 2) &&
           f.bits_per_sample == 4 && adpcm_frames_per_block(f) > 2 &&
           (f.block_align - 7u * f.channels) % f.channels == 0;
}

bool rate_ok(const PlatformWaveFormat& f) {
    return f.samples_per_second >= 100 && f.samples_per_second <= 200000;
}

// ---- Microsoft ADPCM through libsndfile ----

// A whole WAVE file in memory, read by libsndfile through its virtual I/O.
struct MemoryFile {
    std::vector<uint8_t> bytes;
    sf_count_t at = 0;
};

sf_count_t vio_length(void* user) {
    return sf_count_t(static_cast<MemoryFile*>(user)->bytes.size());
}
sf_count_t vio_seek(sf_count_t offset, int whence, void* user) {
    auto* f = static_cast<MemoryFile*>(user);
    sf_count_t to = whence == SEEK_SET   ? offset
                    : whence == SEEK_CUR ? f->at + offset
                                         : sf_count_t(f->bytes.size()) + offset;
    if (to < 0 || to > sf_count_t(f->bytes.size())) return -1;
    return f->at = to;
}
sf_count_t vio_read(void* out, sf_count_t count, void* user) {
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::min(count, sf_count_t(f->bytes.size()) - f->at);
    if (n <= 0) return 0;
    std::memcpy(out, f->bytes.data() + f->at, size_t(n));
    f->at += n;
    return n;
}
sf_count_t vio_write(const void*, sf_count_t, void*) {
    return 0;
}
sf_count_t vio_tell(void* user) {
    return static_cast<MemoryFile*>(user)->at;
}

void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}
void put_id(std::vector<uint8_t>& v, const char* id) {
    for (int i = 0; i < 4; ++i) v.push_back(uint8_t(id[i]));
}

// The buffer only has the 18-byte header of the format, without the
// coefficient table; Microsoft ADPCM files carry the standard seven pairs,
// which are what we put back.
std::vector<uint8_t> adpcm_file(const PlatformWaveFormat& f, const uint8_t* data, uint32_t size) {
    static constexpr int16_t kCoefficients[7][2] = {
        {256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};
    std::vector<uint8_t> fmt;
    put16(fmt, f.format_tag);
    put16(fmt, f.channels);
    put32(fmt, f.samples_per_second);
    put32(fmt, f.average_bytes_per_second);
    put16(fmt, f.block_align);
    put16(fmt, f.bits_per_sample);
    put16(fmt, 32);
    put16(fmt, adpcm_frames_per_block(f));
    put16(fmt, 7);
    for (const auto& pair : kCoefficients) {
        put16(fmt, uint16_t(pair[0]));
        put16(fmt, uint16_t(pair[1]));
    }
    const uint32_t blocks = size / f.block_align;
    const uint32_t rest = size % f.block_align;
    uint32_t frames = blocks * adpcm_frames_per_block(f);
    if (rest > 7u * f.channels) frames += (rest - 7u * f.channels) * 2u / f.channels + 2u;
    std::vector<uint8_t> file;
    put_id(file, "RIFF");
    put32(file, 4 + 8 + uint32_t(fmt.size()) + 12 + 8 + size + (size & 1));
    put_id(file, "WAVE");
    put_id(file, "fmt ");
    put32(file, uint32_t(fmt.size()));
    file.insert(file.end(), fmt.begin(), fmt.end());
    put_id(file, "fact");
    put32(file, 4);
    put32(file, frames);
    put_id(file, "data");
    put32(file, size);
    file.insert(file.end(), data, data + size);
    if (size & 1) file.push_back(0);
    return file;
}

bool decode_adpcm(const PlatformWaveFormat& f, const uint8_t* data, uint32_t size, std::vector<int16_t>& out) {
    MemoryFile file{adpcm_file(f, data, size)};
    SF_VIRTUAL_IO io{vio_length, vio_seek, vio_read, vio_write, vio_tell};
    SF_INFO info{};
    SNDFILE* sound = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sound) return false;
    bool ok = info.channels == f.channels && (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_MS_ADPCM;
    if (ok) {
        out.assign(size_t(info.frames) * size_t(info.channels), 0);
        const sf_count_t got = sf_readf_short(sound, out.data(), info.frames);
        out.resize(size_t(std::max<sf_count_t>(got, 0)) * size_t(info.channels));
        ok = got > 0;
    }
    sf_close(sound);
    return ok;
}

// The buffer's sound from byte position start to the end, as 16-bit PCM.
bool decode(const PlatformSoundBuffer_& b, uint32_t start, std::vector<int16_t>& out) {
    out.clear();
    if (start >= b.bytes.size()) return true;
    const PlatformWaveFormat& f = b.format;
    if (f.format_tag == PLATFORM_WAVE_FORMAT_ADPCM) {
        // Blocks decode on their own; start at the block that holds start.
        const uint32_t from = start - start % f.block_align;
        return decode_adpcm(f, b.bytes.data() + from, uint32_t(b.bytes.size()) - from, out);
    }
    const uint32_t from = start - start % f.block_align;
    const uint8_t* p = b.bytes.data() + from;
    const size_t n = b.bytes.size() - from;
    if (f.bits_per_sample == 8) {
        out.resize(n);
        for (size_t i = 0; i < n; ++i) out[i] = int16_t((int(p[i]) - 128) << 8);
    } else {
        out.resize(n / 2);
        for (size_t i = 0; i < out.size(); ++i) out[i] = int16_t(uint16_t(p[2 * i]) | uint16_t(p[2 * i + 1]) << 8);
    }
    return true;
}

// ---- SDL output ----

void mix_callback(void*, Uint8* stream, int length) {
    auto* out = reinterpret_cast<int16_t*>(stream);
    const size_t samples = size_t(length) / sizeof(int16_t);
    std::vector<int32_t> sum(samples, 0);
    for (PlatformSoundBuffer_* b : state().buffers) {
        if (!b->playing || b->voice_done || b->mix.empty()) continue;
        for (size_t i = 0; i < samples; ++i) {
            if (b->cursor >= b->mix.size()) {
                if (!b->looping) {
                    b->voice_done = true;
                    break;
                }
                b->cursor = 0;
            }
            sum[i] += b->mix[b->cursor++];
        }
    }
    for (size_t i = 0; i < samples; ++i) out[i] = int16_t(std::clamp(sum[i], -32768, 32767));
}

bool open_output() {
    AudioState& s = state();
    if (s.output) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 512;
    want.callback = mix_callback;
    s.output = SDL_OpenAudioDevice(nullptr, 0, &want, &s.spec, 0);
    if (!s.output) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(s.output, 0);
    return true;
}

void close_output() {
    AudioState& s = state();
    if (!s.output) return;
    SDL_CloseAudioDevice(s.output);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.output = 0;
}

// The sound from start in the output's format.
bool convert_for_output(const PlatformSoundBuffer_& b, uint32_t start, std::vector<int16_t>& out) {
    std::vector<int16_t> pcm;
    if (!decode(b, start, pcm)) return false;
    const AudioState& s = state();
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt,
                          AUDIO_S16SYS,
                          Uint8(b.format.channels),
                          int(b.format.samples_per_second),
                          s.spec.format,
                          s.spec.channels,
                          s.spec.freq) < 0)
        return false;
    const size_t bytes = pcm.size() * sizeof(int16_t);
    std::vector<uint8_t> work(bytes * size_t(std::max(cvt.len_mult, 1)) + 16);
    std::memcpy(work.data(), pcm.data(), bytes);
    cvt.buf = work.data();
    cvt.len = int(bytes);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return false;
    const size_t converted = cvt.needed ? size_t(cvt.len_cvt) : bytes;
    out.resize(converted / sizeof(int16_t));
    std::memcpy(out.data(), work.data(), out.size() * sizeof(int16_t));
    return true;
}

struct OutputLock {
    OutputLock() {
        if (state().output) SDL_LockAudioDevice(state().output);
    }
    ~OutputLock() {
        if (state().output) SDL_UnlockAudioDevice(state().output);
    }
};

// A single play that has run out stops and goes back to the start.
void settle(PlatformSoundBuffer_* b) {
    OutputLock lock;
    if (b->playing && b->voice_done) {
        b->playing = false;
        b->position = 0;
        b->mix.clear();
    }
}

void destroy_device_if_unused(PlatformSoundDevice_* device) {
    if (device->references || device->buffers) return;
    state().devices.erase(device);
    delete device;
    if (state().devices.empty()) close_output();
}

void log_play(const PlatformSoundBuffer_& b, uint32_t start) {
    PlatformPlayRecord record{};
    record.buffer = b.serial;
    record.format = b.format;
    record.buffer_bytes = uint32_t(b.bytes.size());
    record.start = start;
    record.bytes = uint32_t(b.bytes.size()) - start;
    record.content_hash = platform_audio_hash(b.bytes.data(), uint32_t(b.bytes.size()));
    AudioState& s = state();
    s.log.push_back(record);
    if (s.observer) s.observer(&record, s.observer_context);
}

}  // namespace
}  // namespace gauge_platform

using namespace gauge_platform;

extern "C" {

int32_t platform_audio_set_backend(const char* name) {
    if (!name) return 0;
    if (std::strcmp(name, "record") == 0)
        state().chosen = Backend::Record;
    else if (std::strcmp(name, "sdl") == 0)
        state().chosen = Backend::Sdl;
    else
        return 0;
    return 1;
}

const char* platform_audio_backend(void) {
    return backend() == Backend::Record ? "record" : "sdl";
}

int32_t platform_audio_create_device(const void* device_id, PlatformSoundDevice* device) {
    if (!device) return 0;
    *device = nullptr;
    if (fault_active(Fault::Device) || device_id) return 0;
    if (backend() == Backend::Sdl && !open_output()) return 0;
    auto* made = new (std::nothrow) PlatformSoundDevice_{1, 0, false};
    if (!made) return 0;
    state().devices.insert(made);
    *device = made;
    return 1;
}

int32_t platform_audio_set_cooperative_level(PlatformSoundDevice device, PlatformWindow window, uint32_t level) {
    if (fault_active(Fault::Cooperative) || !live(device) || !window_registered(window)) return 0;
    if (level < PLATFORM_AUDIO_NORMAL || level > PLATFORM_AUDIO_WRITEPRIMARY) return 0;
    device->cooperative = true;
    return 1;
}

int32_t platform_audio_create_buffer(PlatformSoundDevice device, const PlatformBufferDescription* description,
                                     PlatformSoundBuffer* buffer) {
    if (!buffer) return 0;
    *buffer = nullptr;
    if (fault_active(Fault::Buffer) || !live(device) || !device->cooperative || !description) return 0;
    if (description->size != PLATFORM_BUFFER_DESCRIPTION_SIZE || !description->format) return 0;
    const PlatformWaveFormat format = *description->format;
    if (!(pcm_format(format) || adpcm_format(format)) || !rate_ok(format)) return 0;
    const uint32_t bytes = description->buffer_bytes;
    if (bytes < PLATFORM_BUFFER_MIN_BYTES || bytes > PLATFORM_BUFFER_MAX_BYTES) return 0;
    auto* made = new (std::nothrow) PlatformSoundBuffer_{};
    if (!made) return 0;
    made->bytes.assign(bytes, format.bits_per_sample == 8 ? 0x80 : 0);
    made->serial = state().next_serial++;
    made->references = 1;
    made->device = device;
    made->format = format;
    made->flags = description->flags;
    ++device->buffers;
    {
        OutputLock lock;
        state().buffers.insert(made);
    }
    *buffer = made;
    return 1;
}

int32_t platform_audio_lock(PlatformSoundBuffer buffer, uint32_t offset, uint32_t bytes, void** part1, uint32_t* bytes1,
                            void** part2, uint32_t* bytes2, uint32_t) {
    if (part1) *part1 = nullptr;
    if (bytes1) *bytes1 = 0;
    if (part2) *part2 = nullptr;
    if (bytes2) *bytes2 = 0;
    if (fault_active(Fault::Lock) || !live(buffer) || !part1 || !bytes1 || buffer->locked) return 0;
    const uint32_t size = uint32_t(buffer->bytes.size());
    if (offset >= size || bytes == 0 || bytes > size) return 0;
    const uint32_t first = std::min(bytes, size - offset);
    const uint32_t second = bytes - first;
    if (second && (!part2 || !bytes2)) return 0;
    *part1 = buffer->bytes.data() + offset;
    *bytes1 = first;
    if (second) {
        *part2 = buffer->bytes.data();
        *bytes2 = second;
    }
    buffer->locked = true;
    buffer->lock_offset = offset;
    buffer->lock_bytes = bytes;
    return 1;
}

int32_t platform_audio_unlock(PlatformSoundBuffer buffer, void* part1, uint32_t bytes1, void* part2, uint32_t bytes2) {
    if (fault_active(Fault::Unlock) || !live(buffer) || !buffer->locked) return 0;
    const uint32_t size = uint32_t(buffer->bytes.size());
    const uint32_t first = std::min(buffer->lock_bytes, size - buffer->lock_offset);
    const uint32_t second = buffer->lock_bytes - first;
    if (part1 != buffer->bytes.data() + buffer->lock_offset || bytes1 > first) return 0;
    if (part2 ? (part2 != buffer->bytes.data() || bytes2 > second) : bytes2 != 0) return 0;
    buffer->locked = false;
    return 1;
}

int32_t platform_audio_set_position(PlatformSoundBuffer buffer, uint32_t position) {
    if (!live(buffer) || position >= buffer->bytes.size()) return 0;
    settle(buffer);
    buffer->position = position - position % buffer->format.block_align;
    return 1;
}

int32_t platform_audio_get_position(PlatformSoundBuffer buffer, uint32_t* position) {
    if (!live(buffer) || !position) return 0;
    settle(buffer);
    uint32_t at = buffer->position;
    if (buffer->playing && !buffer->mix.empty()) {
        OutputLock lock;
        const uint64_t left = buffer->bytes.size() - buffer->start;
        at = buffer->start + uint32_t(left * std::min(buffer->cursor, buffer->mix.size()) / buffer->mix.size());
        at -= at % buffer->format.block_align;
        if (at >= buffer->bytes.size()) at = 0;
    }
    *position = at;
    return 1;
}

int32_t platform_audio_play(PlatformSoundBuffer buffer, uint32_t, uint32_t, uint32_t flags) {
    if (fault_active(Fault::Play) || !live(buffer) || buffer->locked) return 0;
    settle(buffer);
    if (buffer->playing) return 1;  // still sounding: no restart
    const uint32_t start = buffer->position;
    if (backend() == Backend::Record || !state().output) {
        // Nothing sounds; the play is over at once, as a single play ends.
        std::vector<int16_t> check;
        if (buffer->format.format_tag == PLATFORM_WAVE_FORMAT_ADPCM && !decode(*buffer, start, check)) return 0;
        buffer->position = 0;
        log_play(*buffer, start);
        return 1;
    }
    std::vector<int16_t> mix;
    if (!convert_for_output(*buffer, start, mix)) return 0;
    {
        OutputLock lock;
        buffer->mix.swap(mix);
        buffer->cursor = 0;
        buffer->start = start;
        buffer->looping = flags & PLATFORM_PLAY_LOOPING;
        buffer->voice_done = buffer->mix.empty();
        buffer->playing = true;
    }
    log_play(*buffer, start);
    return 1;
}

int32_t platform_audio_stop(PlatformSoundBuffer buffer) {
    if (!live(buffer)) return 0;
    uint32_t at = 0;
    platform_audio_get_position(buffer, &at);
    OutputLock lock;
    buffer->playing = false;
    buffer->mix.clear();
    buffer->position = at;
    return 1;
}

int32_t platform_audio_is_playing(PlatformSoundBuffer buffer) {
    if (!live(buffer)) return 0;
    settle(buffer);
    return buffer->playing ? 1 : 0;
}

uint32_t platform_audio_release_buffer(PlatformSoundBuffer buffer) {
    if (!live(buffer) || buffer->references == 0) return 0;
    if (--buffer->references) return buffer->references;
    PlatformSoundDevice_* device = buffer->device;
    {
        OutputLock lock;
        state().buffers.erase(buffer);
    }
    delete buffer;
    --device->buffers;
    destroy_device_if_unused(device);
    return 0;
}

uint32_t platform_audio_release_device(PlatformSoundDevice device) {
    if (!live(device) || device->references == 0) return 0;
    const uint32_t left = --device->references;
    destroy_device_if_unused(device);
    return left;
}

uint32_t platform_audio_buffer_count(void) {
    return uint32_t(state().buffers.size());
}
uint32_t platform_audio_device_count(void) {
    return uint32_t(state().devices.size());
}

uint64_t platform_audio_hash(const void* bytes, uint32_t size) {
    uint64_t hash = 0xcbf29ce484222325ull;
    const auto* p = static_cast<const uint8_t*>(bytes);
    for (uint32_t i = 0; p && i < size; ++i) hash = (hash ^ p[i]) * 0x100000001b3ull;
    return hash;
}

void platform_audio_set_play_observer(PlatformPlayObserver observer, void* context) {
    state().observer = observer;
    state().observer_context = context;
}

uint32_t platform_audio_play_count(void) {
    return uint32_t(state().log.size());
}

int32_t platform_audio_play_record(uint32_t index, PlatformPlayRecord* record) {
    if (!record || index >= state().log.size()) return 0;
    *record = state().log[index];
    return 1;
}

void platform_audio_clear_play_log(void) {
    state().log.clear();
}

uint32_t platform_audio_decode(PlatformSoundBuffer buffer, uint32_t start, int16_t* samples, uint32_t capacity) {
    if (!live(buffer) || !samples) return 0;
    std::vector<int16_t> pcm;
    if (!decode(*buffer, start, pcm)) return 0;
    const uint32_t n = uint32_t(std::min<size_t>(pcm.size(), capacity));
    std::copy_n(pcm.begin(), n, samples);
    return n;
}

}  // extern "C"
