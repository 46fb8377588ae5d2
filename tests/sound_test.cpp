// The sound player as the host's probe hears it: test gauges built with the
// module's own player click WAVEs 10, 20 and 30 of the module's resources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gauge_platform/audio.h"
#include "support.h"

using nlohmann::json;
using test_support::run_gaugehost;

namespace {

const std::string kSoundModule = std::string(TEST_MODULES) + "/sound_gauges.gau";

json sound_probe(std::vector<std::string> arguments) {
    std::vector<std::string> all{"probe", "--module", kSoundModule};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const auto result = run_gaugehost(all);
    EXPECT_EQ(result.status, 0) << result.err;
    return result.status == 0 ? result.json() : json::object();
}

json sound(size_t instance, uint32_t wave, uint32_t bytes) {
    return json{{"instance", instance}, {"wave", wave}, {"bytes", bytes}};
}

// Each test gauge shows the module's sound_available flag on its lamp.
double lamp(const json& doc, size_t instance) {
    return doc["instances"][instance]["elements"][1]["value"].get<double>();
}

// Stands in for another executable for one test.
struct Executable {
    explicit Executable(const char* path) { platform_set_executable_path(path); }
    ~Executable() { platform_set_executable_path(nullptr); }
};

}  // namespace

TEST(Sound, EachClickPlaysItsWholeWaveOnce) {
    const auto doc = sound_probe({"--place",
                                  "Sound_Click",
                                  "--place",
                                  "Sound_Brake",
                                  "--place",
                                  "Sound_Audio",
                                  "--click",
                                  "0:10,10",
                                  "--click",
                                  "1:10,10",
                                  "--click",
                                  "2:10,10",
                                  "--click",
                                  "0:10,10"});
    EXPECT_EQ(doc["sounds"],
              json::array({sound(0, 10, 3828), sound(1, 20, 10304), sound(2, 30, 1024), sound(0, 10, 3828)}));
    EXPECT_EQ(lamp(doc, 0), 1.0);
    // A click outside the push area plays nothing.
    EXPECT_EQ(sound_probe({"--place", "Sound_Click", "--click", "0:60,60"})["sounds"], json::array());
}

TEST(Sound, WindowClassFollowsTheExecutableName) {
    struct Case {
        const char* executable;
        const char* searched;  // the class the player must look for
    };
    const Case cases[] = {
        {"/games/CFS2/CFS2.exe", "MSCFSMAIN"},  // fourth character '2'
        {"/games/CFS/CFS.EXE", "MSCFSMAIN"},    // first character 'C'
        {"C:\\Games\\CFS3\\Cfs3.exe", "MSCFSMAIN"},
        {"/games/FS2002/FS2002.exe", "FS98MAIN"},  // fourth character '0'
        {"/games/fs9/fs9.exe", "FS98MAIN"},        // too short for a fourth character
        {"/games/FS98/FS98.exe", "FS98MAIN"},
        {"/games/cfs2/cfs.exe", "FS98MAIN"},    // comparisons are exact
        {"/games/xyz2", "MSCFSMAIN"},           // no extension
        {"/games/C.old/FS98.exe", "FS98MAIN"},  // only the file name counts
    };
    for (const Case& c : cases) {
        Executable executable(c.executable);
        for (const char* registered : {"FS98MAIN", "MSCFSMAIN"}) {
            const bool match = std::string(registered) == c.searched;
            const auto doc = sound_probe({"--window-class", registered, "--place", "Sound_Click", "--click", "0:1,1"});
            EXPECT_EQ(doc["sounds"].size(), match ? 1u : 0u) << c.executable << " with " << registered;
            EXPECT_EQ(lamp(doc, 0), match ? 1.0 : 0.0) << c.executable << " with " << registered;
        }
    }
}

TEST(Sound, WithoutAHostWindowTheModuleIsSilent) {
    const auto doc = sound_probe({"--window-class",
                                  "none",
                                  "--place",
                                  "Sound_Click",
                                  "--place",
                                  "Sound_Audio",
                                  "--click",
                                  "0:1,1",
                                  "--click",
                                  "1:1,1"});
    EXPECT_EQ(doc["sounds"], json::array());
    EXPECT_EQ(lamp(doc, 0), 0.0);
}

TEST(Sound, AFailedOperationAtInstallSilencesTheWholeModule) {
    for (const char* operation : {"device", "cooperative", "resource", "buffer", "lock", "unlock", "memory"}) {
        const auto doc = sound_probe({"--sound-fault",
                                      operation,
                                      "--place",
                                      "Sound_Click",
                                      "--place",
                                      "Sound_Brake",
                                      "--click",
                                      "0:1,1",
                                      "--click",
                                      "1:1,1",
                                      "--kill",
                                      "0"});
        EXPECT_EQ(doc["sounds"], json::array()) << operation;
        EXPECT_EQ(lamp(doc, 1), 0.0) << operation;
    }
}

TEST(Sound, TheFirstFailureSilencesGaugesWhoseSetsWereAlreadyMade) {
    // Sound_Click's set is made first; Sound_Missing's WAVE is not in the module.
    auto doc = sound_probe({"--place",
                            "Sound_Click",
                            "--place",
                            "Sound_Missing",
                            "--place",
                            "Sound_Audio",
                            "--click",
                            "0:1,1",
                            "--click",
                            "2:1,1"});
    EXPECT_EQ(doc["sounds"], json::array());
    EXPECT_EQ(lamp(doc, 0), 0.0);
    // A play refused once: that click and every later one are silent.
    doc = sound_probe({"--place",
                       "Sound_Click",
                       "--place",
                       "Sound_Brake",
                       "--click",
                       "0:1,1",
                       "--sound-fault",
                       "play",
                       "--click",
                       "1:1,1",
                       "--click",
                       "0:1,1"});
    EXPECT_EQ(doc["sounds"], json::array({sound(0, 10, 3828)}));
    EXPECT_EQ(lamp(doc, 0), 0.0);
}

TEST(Sound, OnceSoundIsOffNothingIsReleasedOrPlayed) {
    // Run the host in this process to count the platform's live objects.
    const uint32_t buffers = platform_audio_buffer_count();
    const uint32_t devices = platform_audio_device_count();
    {
        gaugehost::Host host;
        host.load_module(kSoundModule);
        const size_t click = host.place("Sound_Click", std::nullopt);
        const size_t missing = host.place("Sound_Missing", std::nullopt);
        host.install(click);
        EXPECT_EQ(platform_audio_buffer_count(), buffers + 1);
        host.install(missing);  // sound goes off here
        host.kill(click);
        // The set's objects stay as they were: the player no longer touches them.
        EXPECT_EQ(platform_audio_buffer_count(), buffers + 1);
        EXPECT_EQ(platform_audio_device_count(), devices + 2);
        host.click(click, 1, 1);
        EXPECT_TRUE(host.sounds().empty());
    }
}

TEST(Sound, TwoInstancesShareOneSet) {
    const uint32_t buffers = platform_audio_buffer_count();
    gaugehost::Host host;
    host.load_module(kSoundModule);
    const size_t first = host.place("Sound_Click", std::nullopt);
    const size_t second = host.place("Sound_Click", std::nullopt);
    host.install(first);
    host.install(second);
    // The second install replaced the first's objects (and let them go).
    EXPECT_EQ(platform_audio_buffer_count(), buffers + 1);
    host.click(first, 1, 1);
    host.click(second, 1, 1);
    ASSERT_EQ(host.sounds().size(), 2u);
    EXPECT_EQ(host.sounds()[0].instance, first);
    EXPECT_EQ(host.sounds()[1].instance, second);
    EXPECT_EQ(host.sounds()[1].wave, 10u);
    // Killing one releases the shared set; the other's clicks are silent,
    // and sound stays on for the rest of the module.
    host.kill(first);
    EXPECT_EQ(platform_audio_buffer_count(), buffers);
    host.click(second, 1, 1);
    EXPECT_EQ(host.sounds().size(), 2u);
    host.kill(second);
    const size_t brake = host.place("Sound_Brake", std::nullopt);
    host.install(brake);
    host.click(brake, 1, 1);
    ASSERT_EQ(host.sounds().size(), 3u);
    EXPECT_EQ(host.sounds()[2].wave, 20u);
}

TEST(Sound, KillThenClickThroughTheProbe) {
    const auto doc = sound_probe({"--place",
                                  "Sound_Click",
                                  "--place",
                                  "Sound_Click",
                                  "--kill",
                                  "0",
                                  "--click",
                                  "1:1,1",
                                  "--kill",
                                  "1",
                                  "--place",
                                  "Sound_Audio"});
    EXPECT_EQ(doc["sounds"], json::array());
    EXPECT_EQ(lamp(doc, 2), 1.0);  // silence, not a failure
}

TEST(Sound, ProbeOptionsNameTheirBadValues) {
    auto result =
        run_gaugehost({"probe", "--module", kSoundModule, "--place", "Sound_Click", "--sound-fault", "volume"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("--sound-fault volume: not a sound operation (device, cooperative"), std::string::npos)
        << result.err;
    result = run_gaugehost({"probe", "--module", kSoundModule, "--place", "Sound_Click", "--window-class", ""});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("--window-class"), std::string::npos) << result.err;
    result = run_gaugehost({"probe", "--help"});
    EXPECT_NE(result.out.find("--sound-fault"), std::string::npos);
    EXPECT_NE(result.out.find("--window-class"), std::string::npos);
}
