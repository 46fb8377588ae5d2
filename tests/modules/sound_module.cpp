// Sounding test gauges over the module's real sound player: each plays one
// WAVE of the module's resources on a click, with the install and kill
// pattern of the module's switches. A lamp on each shows sound_available.
#include "core/sound.h"
#include "gauge.h"

extern "C" ImportTableRecord ImportTable;

namespace {

using namespace tervalin;

constexpr uint32_t kWaveMissing = 99;  // no such resource

SoundSet click_sound{}, brake_sound{}, audio_sound{}, missing_sound{};

template <SoundSet& set, uint32_t wave>
void sound_callback(Gauge*, int32_t service, uintptr_t extra) {
    if (service == kServiceInstall) sound_set_install(set, extra, wave);
    if (service == kServicePreKill) sound_set_release(set);
}

template <SoundSet& set>
int32_t sound_click(ClickRecord*, uint32_t) {
    sound_set_play(set);
    return 0;
}

double available_lamp(Element*) {
    return sound_available;
}

// One gauge: a plate, the lamp, and a 50 x 50 push area at the top left.
template <SoundSet& set, uint32_t wave>
struct SoundGauge {
    static Gauge gauge;
    static inline Icon lamp = {.header = {.kind = kKindIcon, .bitmap = 2, .gauge = &gauge, .image_flags = 0x7},
                               .scale = 1,
                               .image_count = 2,
                               .callback = available_lamp};
    static inline Element* after_plate[] = {&lamp.header, nullptr};
    static inline StaticImage plate = {
        .header = {
            .kind = kKindStaticImage, .bitmap = 1, .gauge = &gauge, .following = after_plate, .image_flags = 0x3}};
    static inline Element* elements[] = {&plate.header, nullptr};
    static inline MouseArea areas[] = {
        {.kind = kMouseParent, .cursor = kCursorNone},
        {.kind = kMouseChild,
         .x = 0,
         .y = 0,
         .width = 50,
         .height = 50,
         .cursor = kCursorPush,
         .click_flags = kClickLeft,
         .callback = sound_click<set>},
        {.kind = kMouseEndParent},
        {.kind = kMouseEnd},
    };
};

#define SOUND_GAUGE(set, wave, gauge_name)                                             \
    template <>                                                                        \
    Gauge SoundGauge<set, wave>::gauge = {.version = kGaugeHeaderVersion,              \
                                          .name = gauge_name,                          \
                                          .elements = SoundGauge<set, wave>::elements, \
                                          .width_mm = 20,                              \
                                          .mouse_areas = SoundGauge<set, wave>::areas, \
                                          .callback = sound_callback<set, wave>};

SOUND_GAUGE(click_sound, kWaveSwitchClick, "Sound_Click")
SOUND_GAUGE(brake_sound, kWaveParkingBrake, "Sound_Brake")
SOUND_GAUGE(audio_sound, kWaveAudioPanelClick, "Sound_Audio")
SOUND_GAUGE(missing_sound, kWaveMissing, "Sound_Missing")

Gauge* const table[] = {&SoundGauge<click_sound, kWaveSwitchClick>::gauge,
                        &SoundGauge<brake_sound, kWaveParkingBrake>::gauge,
                        &SoundGauge<audio_sound, kWaveAudioPanelClick>::gauge,
                        &SoundGauge<missing_sound, kWaveMissing>::gauge,
                        nullptr};

}  // namespace

extern "C" {
__attribute__((visibility("default")))
ImportTableRecord ImportTable = {{{kImportPanelServices, nullptr}, {0, nullptr}}};
__attribute__((visibility("default")))
Linkage Linkage = {.module_id = kLinkageModuleId, .version = kLinkageVersion, .gauge_table = table};
}
