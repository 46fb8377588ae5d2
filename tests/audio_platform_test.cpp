// The platform's audio device, buffers, memory RIFF reader and window
// registry, on the recording backend.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "gauge_platform/audio.h"

namespace {

std::vector<uint8_t> file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const std::string kResources = std::string(SOURCE_DIR) + "/tervalin/resources/";

// A RIFF file from chunks given as (id, bytes); sizes are taken from the
// bytes unless a chunk states its own.
struct Chunk {
    std::string id;
    std::string bytes;
    int64_t stated = -1;
};
std::string le32(uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}
std::string chunks(const std::vector<Chunk>& list) {
    std::string out;
    for (const Chunk& c : list) {
        out += c.id + le32(c.stated >= 0 ? uint32_t(c.stated) : uint32_t(c.bytes.size())) + c.bytes;
        if (c.bytes.size() & 1) out += '\0';
    }
    return out;
}
std::string riff(const std::string& form, const std::string& body, int64_t stated = -1) {
    return chunks({{"RIFF", form + body, stated}});
}
std::string pcm_format(uint16_t channels = 1, uint16_t bits = 16) {
    std::string f;
    auto put16 = [&](uint16_t v) { f += {char(v & 0xFF), char(v >> 8)}; };
    put16(1);
    put16(channels);
    f += le32(22050);
    f += le32(22050u * channels * bits / 8);
    put16(uint16_t(channels * bits / 8));
    put16(bits);
    put16(0);
    return f;
}

// What the sound player does with a file: the format header and the data.
struct WaveParts {
    bool ok = false;
    PlatformWaveFormat format{};
    std::string data;
};
WaveParts read_wave(const std::string& file) {
    WaveParts parts;
    PlatformRiff r = platform_riff_open(
        file.data(), uint32_t(file.size()), PLATFORM_RIFF_IO_MEMORY, PLATFORM_RIFF_READWRITE | PLATFORM_RIFF_ALLOCBUF);
    if (!r) return parts;
    PlatformRiffChunk wave{.form = PLATFORM_FOURCC('W', 'A', 'V', 'E')};
    PlatformRiffChunk fmt{.id = PLATFORM_FOURCC('f', 'm', 't', ' ')};
    PlatformRiffChunk data{.id = PLATFORM_FOURCC('d', 'a', 't', 'a')};
    if (platform_riff_descend(r, &wave, nullptr, PLATFORM_RIFF_FIND_RIFF) &&
        platform_riff_descend(r, &fmt, &wave, PLATFORM_RIFF_FIND_CHUNK) &&
        platform_riff_read(r, &parts.format, 18) == 18 && platform_riff_ascend(r, &fmt) &&
        platform_riff_descend(r, &data, &wave, PLATFORM_RIFF_FIND_CHUNK)) {
        parts.data.resize(data.size);
        parts.ok = platform_riff_read(r, parts.data.data(), int32_t(data.size)) == int32_t(data.size);
    }
    platform_riff_close(r);
    return parts;
}

class Audio : public ::testing::Test {
protected:
    void SetUp() override {
        platform_audio_set_backend("record");
        platform_clear_faults();
        platform_audio_clear_play_log();
        window_ = platform_register_window("FS98MAIN");
        ASSERT_EQ(platform_audio_create_device(nullptr, &device_), 1);
        ASSERT_EQ(platform_audio_set_cooperative_level(device_, window_, PLATFORM_AUDIO_NORMAL), 1);
    }
    void TearDown() override {
        for (PlatformSoundBuffer b : buffers_) platform_audio_release_buffer(b);
        platform_audio_release_device(device_);
        platform_unregister_window(window_);
        platform_clear_faults();
    }
    PlatformSoundBuffer buffer(const PlatformWaveFormat& format, uint32_t bytes, uint32_t size = 36) {
        const PlatformBufferDescription d{.size = size, .flags = 0x80E0, .buffer_bytes = bytes, .format = &format};
        PlatformSoundBuffer b = reinterpret_cast<PlatformSoundBuffer>(1);
        if (!platform_audio_create_buffer(device_, &d, &b)) {
            EXPECT_EQ(b, nullptr);
            return nullptr;
        }
        buffers_.push_back(b);
        return b;
    }
    PlatformWindow window_ = nullptr;
    PlatformSoundDevice device_ = nullptr;
    std::vector<PlatformSoundBuffer> buffers_;
};

PlatformWaveFormat format_of(const std::string& bytes) {
    PlatformWaveFormat f;
    std::memcpy(&f, bytes.data(), sizeof f);
    return f;
}

}  // namespace

TEST(Riff, ReadsTheModulesWavesAndSkipsOtherChunks) {
    const auto click = file_bytes(kResources + "switch_click.wav");
    const auto parts = read_wave(std::string(click.begin(), click.end()));
    ASSERT_TRUE(parts.ok);
    EXPECT_EQ(parts.format.format_tag, 1);
    EXPECT_EQ(parts.format.bits_per_sample, 16);
    EXPECT_EQ(parts.data.size(), 3828u);
    const auto audio = file_bytes(kResources + "audio_click.wav");  // has a "fact" chunk before "data"
    const auto adpcm = read_wave(std::string(audio.begin(), audio.end()));
    ASSERT_TRUE(adpcm.ok);
    EXPECT_EQ(adpcm.format.format_tag, 2);
    EXPECT_EQ(adpcm.format.channels, 2);
    EXPECT_EQ(adpcm.format.samples_per_second, 22050u);
    EXPECT_EQ(adpcm.format.bits_per_sample, 4);
    EXPECT_EQ(adpcm.data.size(), 1024u);
    // A LIST with an odd-sized chunk inside, skipped with its pad byte.
    const auto listed = read_wave(riff("WAVE",
                                       chunks({{"LIST", "INFOIART" + le32(3) + "abc" + std::string(1, '\0')},
                                               {"fmt ", pcm_format()},
                                               {"odd ", "xyz"},
                                               {"data", "ABCD"}})));
    ASSERT_TRUE(listed.ok);
    EXPECT_EQ(listed.data, "ABCD");
}

TEST(Riff, MalformedAndTruncatedFilesFail) {
    const std::string good = riff("WAVE", chunks({{"fmt ", pcm_format()}, {"data", "ABCD"}}));
    ASSERT_TRUE(read_wave(good).ok);
    const struct {
        const char* what;
        std::string file;
    } cases[] = {
        {"empty", ""},
        {"a header alone", "RIFF"},
        {"another form", riff("AVI ", chunks({{"fmt ", pcm_format()}, {"data", "ABCD"}}))},
        {"no format chunk", riff("WAVE", chunks({{"data", "ABCD"}}))},
        {"no data chunk", riff("WAVE", chunks({{"fmt ", pcm_format()}}))},
        {"a format chunk shorter than its header", riff("WAVE", chunks({{"fmt ", "1234"}}))},
        {"RIFF longer than the file", riff("WAVE", chunks({{"fmt ", pcm_format()}, {"data", "ABCD"}}), 1000)},
        {"data longer than RIFF", riff("WAVE", chunks({{"fmt ", pcm_format()}, {"data", "ABCD", 0x7FFFFFF0}}))},
        {"a chunk size that wraps", riff("WAVE", chunks({{"fmt ", pcm_format(), 0xFFFFFFFF}, {"data", "AB"}}))},
        {"RIFF without a form type", chunks({{"RIFF", "WA"}})},
    };
    for (const auto& c : cases) EXPECT_FALSE(read_wave(c.file).ok) << c.what;
    for (size_t cut = 0; cut < good.size(); ++cut) EXPECT_FALSE(read_wave(good.substr(0, cut)).ok) << "cut at " << cut;
}

TEST(Riff, ReadsStopAtTheEndOfTheRange) {
    const std::string bytes = "RIFF" + le32(4) + "WAVE" + "tail";
    // Only the first 12 bytes are the file.
    PlatformRiff r = platform_riff_open(bytes.data(), 12, PLATFORM_RIFF_IO_MEMORY, 0);
    ASSERT_NE(r, nullptr);
    char out[32];
    EXPECT_EQ(platform_riff_read(r, out, 32), 12);
    EXPECT_EQ(platform_riff_read(r, out, 32), 0);
    EXPECT_EQ(platform_riff_read(r, out, -1), -1);
    PlatformRiffChunk beyond{.id = 0, .size = 100, .offset = 8};
    EXPECT_EQ(platform_riff_ascend(r, &beyond), 0);
    EXPECT_EQ(platform_riff_close(r), 1);
    EXPECT_EQ(platform_riff_open(bytes.data(), 12, PLATFORM_FOURCC('D', 'O', 'S', ' '), 0), nullptr);
}

TEST(Memory, MovableBlocksLockUnlockAndFree) {
    PlatformGlobal m = platform_global_alloc(PLATFORM_GMEM_MOVEABLE | PLATFORM_GMEM_ZEROINIT, 64);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(platform_global_size(m), 64u);
    auto* p = static_cast<uint8_t*>(platform_global_lock(m));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[63], 0);
    EXPECT_EQ(platform_global_unlock(m), 0);
    EXPECT_EQ(platform_global_unlock(m), 0);  // not locked any more
    EXPECT_EQ(platform_global_free(m), 1);
    EXPECT_EQ(platform_global_alloc(0, 0), nullptr);
    platform_set_fault("memory", 1);
    EXPECT_EQ(platform_global_alloc(0, 16), nullptr);
    platform_clear_faults();
}

TEST(Windows, FoundByExactClass) {
    EXPECT_EQ(platform_find_window("MSCFSMAIN", nullptr), nullptr);
    PlatformWindow w = platform_register_window("MSCFSMAIN");
    EXPECT_EQ(platform_find_window("MSCFSMAIN", nullptr), w);
    EXPECT_EQ(platform_find_window("mscfsmain", nullptr), nullptr);
    platform_unregister_window(w);
    EXPECT_EQ(platform_find_window("MSCFSMAIN", nullptr), nullptr);
    EXPECT_EQ(platform_register_window(""), nullptr);
}

TEST_F(Audio, DeviceNeedsAKnownWindowAndTheDefaultId) {
    PlatformSoundDevice d = nullptr;
    ASSERT_EQ(platform_audio_create_device(nullptr, &d), 1);
    EXPECT_EQ(platform_audio_set_cooperative_level(d, nullptr, PLATFORM_AUDIO_NORMAL), 0);
    int not_a_window = 0;
    EXPECT_EQ(platform_audio_set_cooperative_level(d, &not_a_window, PLATFORM_AUDIO_NORMAL), 0);
    EXPECT_EQ(platform_audio_set_cooperative_level(d, window_, 9), 0);
    // Without a cooperative level there are no buffers.
    const PlatformWaveFormat f = format_of(pcm_format());
    const PlatformBufferDescription desc{.size = 36, .flags = 0x80E0, .buffer_bytes = 100, .format = &f};
    PlatformSoundBuffer b = nullptr;
    EXPECT_EQ(platform_audio_create_buffer(d, &desc, &b), 0);
    EXPECT_EQ(platform_audio_release_device(d), 0u);
    const uint8_t guid[16] = {1};
    EXPECT_EQ(platform_audio_create_device(guid, &d), 0);
    EXPECT_EQ(d, nullptr);
}

TEST_F(Audio, BuffersTakePcmAndMicrosoftAdpcmOnly) {
    EXPECT_NE(buffer(format_of(pcm_format(1, 16)), 3828), nullptr);
    EXPECT_NE(buffer(format_of(pcm_format(2, 8)), 10), nullptr);
    const auto audio = file_bytes(kResources + "audio_click.wav");
    const auto adpcm = read_wave(std::string(audio.begin(), audio.end()));
    EXPECT_NE(buffer(adpcm.format, 1024), nullptr);

    PlatformWaveFormat wrong = format_of(pcm_format());
    wrong.format_tag = 3;  // floating point
    EXPECT_EQ(buffer(wrong, 100), nullptr);
    wrong = format_of(pcm_format());
    wrong.bits_per_sample = 12;
    EXPECT_EQ(buffer(wrong, 100), nullptr);
    wrong = adpcm.format;
    wrong.block_align = 14;  // no room for samples
    EXPECT_EQ(buffer(wrong, 100), nullptr);
    EXPECT_EQ(buffer(format_of(pcm_format()), 100, 40), nullptr);  // another description size
    EXPECT_EQ(buffer(format_of(pcm_format()), 2), nullptr);        // too small
}

TEST_F(Audio, LockIsTheTwoPartLockOfARing) {
    PlatformSoundBuffer b = buffer(format_of(pcm_format(1, 8)), 100);
    ASSERT_NE(b, nullptr);
    void *p1 = nullptr, *p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    ASSERT_EQ(platform_audio_lock(b, 80, 40, &p1, &n1, &p2, &n2, 0), 1);
    EXPECT_EQ(n1, 20u);
    EXPECT_EQ(n2, 20u);
    EXPECT_EQ(static_cast<uint8_t*>(p1) - static_cast<uint8_t*>(p2), 80);
    void *q1 = nullptr, *q2 = nullptr;
    EXPECT_EQ(platform_audio_lock(b, 0, 10, &q1, &n1, &q2, &n2, 0), 0);  // one lock at a time
    EXPECT_EQ(platform_audio_unlock(b, p2, 20, p1, 20), 0);              // not the parts it gave
    EXPECT_EQ(platform_audio_unlock(b, p1, 21, p2, 20), 0);              // more than it gave
    EXPECT_EQ(platform_audio_unlock(b, p1, 20, p2, 20), 1);
    EXPECT_EQ(platform_audio_unlock(b, p1, 20, p2, 20), 0);  // nothing locked now
    // The whole buffer from 0 is one part.
    ASSERT_EQ(platform_audio_lock(b, 0, 100, &p1, &n1, &p2, &n2, 0), 1);
    EXPECT_EQ(n1, 100u);
    EXPECT_EQ(p2, nullptr);
    EXPECT_EQ(n2, 0u);
    EXPECT_EQ(platform_audio_unlock(b, p1, 100, nullptr, 0), 1);
    for (uint32_t offset : {100u, 500u}) EXPECT_EQ(platform_audio_lock(b, offset, 1, &p1, &n1, &p2, &n2, 0), 0);
    EXPECT_EQ(platform_audio_lock(b, 0, 101, &p1, &n1, &p2, &n2, 0), 0);
}

TEST_F(Audio, PlaysLogFromThePositionAndEndBackAtTheStart) {
    PlatformSoundBuffer b = buffer(format_of(pcm_format(1, 16)), 100);
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(platform_audio_set_position(b, 41), 1);  // kept on a sample boundary
    uint32_t at = 0;
    ASSERT_EQ(platform_audio_get_position(b, &at), 1);
    EXPECT_EQ(at, 40u);
    ASSERT_EQ(platform_audio_play(b, 0, 0, 0), 1);
    ASSERT_EQ(platform_audio_play(b, 0, 0, 0), 1);
    ASSERT_EQ(platform_audio_play_count(), 2u);
    PlatformPlayRecord first{}, second{};
    ASSERT_EQ(platform_audio_play_record(0, &first), 1);
    ASSERT_EQ(platform_audio_play_record(1, &second), 1);
    EXPECT_EQ(first.start, 40u);
    EXPECT_EQ(first.bytes, 60u);
    EXPECT_EQ(second.start, 0u);
    EXPECT_EQ(second.bytes, 100u);
    EXPECT_EQ(first.format.bits_per_sample, 16);
    EXPECT_EQ(first.buffer_bytes, 100u);
    const std::vector<uint8_t> silence(100, 0);
    EXPECT_EQ(first.content_hash, platform_audio_hash(silence.data(), 100));
    EXPECT_EQ(platform_audio_set_position(b, 100), 0);
    // A locked buffer does not play.
    void *p1, *p2;
    uint32_t n1, n2;
    ASSERT_EQ(platform_audio_lock(b, 0, 10, &p1, &n1, &p2, &n2, 0), 1);
    EXPECT_EQ(platform_audio_play(b, 0, 0, 0), 0);
}

TEST_F(Audio, AdpcmIsDecodedToPcm) {
    const auto audio = file_bytes(kResources + "audio_click.wav");
    const auto adpcm = read_wave(std::string(audio.begin(), audio.end()));
    PlatformSoundBuffer b = buffer(adpcm.format, 1024);
    ASSERT_NE(b, nullptr);
    void *p1, *p2;
    uint32_t n1, n2;
    ASSERT_EQ(platform_audio_lock(b, 0, 1024, &p1, &n1, &p2, &n2, 0), 1);
    std::memcpy(p1, adpcm.data.data(), 1024);
    ASSERT_EQ(platform_audio_unlock(b, p1, 1024, nullptr, 0), 1);
    std::vector<int16_t> pcm(4096);
    const uint32_t samples = platform_audio_decode(b, 0, pcm.data(), uint32_t(pcm.size()));
    EXPECT_EQ(samples, 1012u * 2);  // one block of 1012 stereo frames
    int peak = 0;
    for (uint32_t i = 0; i < samples; ++i) peak = std::max(peak, std::abs(int(pcm[i])));
    EXPECT_GT(peak, 8000);  // a click, not silence
    EXPECT_EQ(platform_audio_play(b, 0, 0, 0), 1);
}

TEST_F(Audio, EachOperationFailsOnItsFault) {
    PlatformSoundBuffer b = buffer(format_of(pcm_format()), 100);
    ASSERT_NE(b, nullptr);
    void *p1, *p2;
    uint32_t n1, n2;
    platform_set_fault("lock", 1);
    EXPECT_EQ(platform_audio_lock(b, 0, 10, &p1, &n1, &p2, &n2, 0), 0);
    platform_clear_faults();
    ASSERT_EQ(platform_audio_lock(b, 0, 10, &p1, &n1, &p2, &n2, 0), 1);
    platform_set_fault("unlock", 1);
    EXPECT_EQ(platform_audio_unlock(b, p1, 10, nullptr, 0), 0);
    platform_clear_faults();
    EXPECT_EQ(platform_audio_unlock(b, p1, 10, nullptr, 0), 1);
    platform_set_fault("play", 1);
    EXPECT_EQ(platform_audio_play(b, 0, 0, 0), 0);
    platform_set_fault("buffer", 1);
    EXPECT_EQ(buffer(format_of(pcm_format()), 100), nullptr);
    platform_set_fault("cooperative", 1);
    EXPECT_EQ(platform_audio_set_cooperative_level(device_, window_, PLATFORM_AUDIO_NORMAL), 0);
    platform_set_fault("device", 1);
    PlatformSoundDevice d = nullptr;
    EXPECT_EQ(platform_audio_create_device(nullptr, &d), 0);
    EXPECT_EQ(platform_audio_play_count(), 0u);
}

// The real backend on SDL's dummy driver: no sound card, the same mixing.
TEST(AudioSdl, APlayWhileSoundingDoesNotRestart) {
    if (const char* forced = std::getenv("GAUGE_AUDIO"); forced && std::string(forced) == "record")
        GTEST_SKIP() << "GAUGE_AUDIO=record";
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform_audio_set_backend("sdl");
    platform_audio_clear_play_log();
    PlatformWindow window = platform_register_window("FS98MAIN");
    PlatformSoundDevice device = nullptr;
    ASSERT_EQ(platform_audio_create_device(nullptr, &device), 1);
    ASSERT_EQ(platform_audio_set_cooperative_level(device, window, PLATFORM_AUDIO_NORMAL), 1);
    const PlatformWaveFormat format = format_of(pcm_format(1, 8));
    // Ten seconds of sound: still playing when the second play comes.
    const PlatformBufferDescription d{.size = 36, .flags = 0x80E0, .buffer_bytes = 220500, .format = &format};
    PlatformSoundBuffer buffer = nullptr;
    ASSERT_EQ(platform_audio_create_buffer(device, &d, &buffer), 1);
    EXPECT_EQ(platform_audio_play(buffer, 0, 0, 0), 1);
    EXPECT_EQ(platform_audio_is_playing(buffer), 1);
    EXPECT_EQ(platform_audio_play(buffer, 0, 0, 0), 1);
    EXPECT_EQ(platform_audio_play_count(), 1u);
    EXPECT_EQ(platform_audio_stop(buffer), 1);
    EXPECT_EQ(platform_audio_is_playing(buffer), 0);
    EXPECT_EQ(platform_audio_release_buffer(buffer), 0u);
    EXPECT_EQ(platform_audio_release_device(device), 0u);
    platform_unregister_window(window);
    platform_audio_set_backend("record");
}
