// Writes the module's click sounds as WAVE files:
//   switch_click.wav   PCM mono 16-bit 22050 Hz, 3828 bytes of samples
//   parking_brake.wav  PCM mono 8-bit 22050 Hz, 10304 bytes
//   audio_click.wav    Microsoft ADPCM stereo 4-bit 22050 Hz, 1024 bytes
// The sounds are synthesised (damped resonances over short noise bursts)
// from a fixed seed, so the files come out the same on every run.
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr int kAdpcmEncodeRate = 16000;
constexpr double kPi = 3.14159265358979323846;

struct Noise {
    uint32_t state = 0x2545F491u;
    double next() {  // -1 .. 1
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return double(state) / 2147483647.5 - 1.0;
    }
};

// A struck resonance: a decaying sine with a few milliseconds of noise on
// its attack, added into out from sample `at`.
void strike(std::vector<double>& out, size_t at, double amplitude, double frequency, double decay_ms, double noise_ms,
            Noise& noise) {
    const double tau = decay_ms / 1000.0 * kRate;
    const double noise_tau = noise_ms / 1000.0 * kRate;
    double low = 0;
    for (size_t i = at; i < out.size(); ++i) {
        const double t = double(i - at);
        const double body = std::sin(2 * kPi * frequency * t / kRate) * std::exp(-t / tau);
        low += 0.35 * (noise.next() - low);  // soften the noise a little
        const double grit = low * std::exp(-t / noise_tau);
        out[i] += amplitude * (0.7 * body + 0.6 * grit);
        if (t > 8 * tau && t > 8 * noise_tau) break;
    }
}

// Fades the last samples to silence so no click ends in a step.
void fade_tail(std::vector<double>& s, size_t length) {
    length = std::min(length, s.size());
    for (size_t i = 0; i < length; ++i) s[s.size() - 1 - i] *= double(i) / double(length);
}

void normalise(std::vector<double>& s, double peak) {
    double m = 0;
    for (double v : s) m = std::max(m, std::abs(v));
    if (m > 0)
        for (double& v : s) v *= peak / m;
}

void put16(std::string& f, uint32_t v) {
    f += char(v & 0xFF);
    f += char((v >> 8) & 0xFF);
}
void put32(std::string& f, uint32_t v) {
    put16(f, v & 0xFFFF);
    put16(f, v >> 16);
}

// A PCM file with the full 18-byte format header (extra size 0).
bool write_pcm(const std::string& path, const std::vector<double>& samples, int bits) {
    std::string data;
    for (double v : samples) {
        const double c = std::clamp(v, -1.0, 1.0);
        if (bits == 8) {
            data += char(uint8_t(std::lround(128 + c * 127)));
        } else {
            put16(data, uint16_t(int16_t(std::lround(c * 32767))));
        }
    }
    const uint32_t block = uint32_t(bits / 8);
    std::string f = "RIFF";
    put32(f, uint32_t(4 + 8 + 18 + 8 + data.size() + (data.size() & 1)));
    f += "WAVEfmt ";
    put32(f, 18);
    put16(f, 1);
    put16(f, 1);
    put32(f, kRate);
    put32(f, kRate * block);
    put16(f, block);
    put16(f, uint32_t(bits));
    put16(f, 0);
    f += "data";
    put32(f, uint32_t(data.size()));
    f += data;
    if (data.size() & 1) f += '\0';
    std::ofstream out(path, std::ios::binary);
    out << f;
    return bool(out);
}

bool write_adpcm(const std::string& path, const std::vector<double>& left, const std::vector<double>& right) {
    SF_INFO info{};
    // libsndfile picks the block size from the data rate; 16000 Hz stereo
    // gives the 1024-byte blocks wanted here. The samples are the same at
    // any rate, so the header is set to the real rate afterwards.
    info.samplerate = kAdpcmEncodeRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "wavegen: %s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    std::vector<short> frames;
    for (size_t i = 0; i < left.size(); ++i) {
        frames.push_back(short(std::lround(std::clamp(left[i], -1.0, 1.0) * 32767)));
        frames.push_back(short(std::lround(std::clamp(right[i], -1.0, 1.0) * 32767)));
    }
    const bool ok = sf_writef_short(file, frames.data(), sf_count_t(left.size())) == sf_count_t(left.size());
    if (sf_close(file) != 0 || !ok) return false;

    std::fstream patch(path, std::ios::binary | std::ios::in | std::ios::out);
    std::string header(40, '\0');
    if (!patch.read(header.data(), 40) || header.compare(12, 4, "fmt ") != 0) return false;
    const uint32_t block = uint8_t(header[32]) | uint32_t(uint8_t(header[33])) << 8;
    const uint32_t frames_per_block = uint8_t(header[38]) | uint32_t(uint8_t(header[39])) << 8;
    std::string rates;
    put32(rates, kRate);
    put32(rates, uint32_t(uint64_t(kRate) * block / frames_per_block));
    patch.seekp(24);
    patch.write(rates.data(), 8);
    return bool(patch);
}

// A toggle switch: the lever's snap, a bright ring of the housing and the
// contact bouncing once.
std::vector<double> switch_click() {
    Noise noise;
    std::vector<double> s(3828 / 2, 0.0);
    strike(s, 0, 1.0, 3100, 4.0, 1.2, noise);
    strike(s, 20, 0.5, 5200, 2.0, 0.6, noise);
    strike(s, 520, 0.35, 2600, 3.0, 0.8, noise);
    fade_tail(s, 200);
    normalise(s, 0.9);
    return s;
}

// The parking-brake handle pulled over its ratchet: a run of pawl ticks,
// slowing as the handle comes up, and the clunk of the last notch.
std::vector<double> parking_brake() {
    Noise noise;
    std::vector<double> s(10304, 0.0);
    double at = 60, gap = 620;
    for (int tick = 0; tick < 11; ++tick) {
        const double pitch = 1900 + 90 * (tick % 3);
        strike(s, size_t(at), 0.55 + 0.03 * tick, pitch, 3.5, 1.5, noise);
        at += gap;
        gap *= 1.06;
    }
    strike(s, size_t(std::min(at, 9400.0)), 1.0, 420, 18.0, 4.0, noise);
    fade_tail(s, 300);
    normalise(s, 0.85);
    return s;
}

// The audio panel's rotary selector: a lower, softer detent, slightly
// wider on one side.
void audio_click(std::vector<double>& left, std::vector<double>& right) {
    Noise noise;
    left.assign(1012, 0.0);
    right.assign(1012, 0.0);
    std::vector<double> a(1012, 0.0), b(1012, 0.0);
    strike(a, 10, 1.0, 1250, 5.0, 0.9, noise);
    strike(b, 14, 1.0, 1320, 5.0, 0.9, noise);
    for (size_t i = 0; i < a.size(); ++i) {
        left[i] = 0.8 * a[i] + 0.2 * b[i];
        right[i] = 0.3 * a[i] + 0.7 * b[i];
    }
    fade_tail(left, 150);
    fade_tail(right, 150);
    normalise(left, 0.6);
    normalise(right, 0.55);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::fprintf(stderr,
                     "usage: wavegen OUTPUT_DIR\n  writes switch_click.wav, parking_brake.wav and audio_click.wav\n");
        return argc == 2 ? 0 : 2;
    }
    const std::string dir = argv[1];
    std::vector<double> left, right;
    audio_click(left, right);
    bool ok = write_pcm(dir + "/switch_click.wav", switch_click(), 16);
    ok = write_pcm(dir + "/parking_brake.wav", parking_brake(), 8) && ok;
    ok = write_adpcm(dir + "/audio_click.wav", left, right) && ok;
    if (!ok) std::fprintf(stderr, "wavegen: could not write every file in %s\n", dir.c_str());
    return ok ? 0 : 1;
}
