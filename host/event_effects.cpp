// What the host does with the key events of the gauges it knows: the
// variables each event moves, as the simulator would move them.
#include "events.h"

#include <algorithm>
#include <cmath>

namespace gaugehost {

namespace {

// COM and NAV radio frequencies: the host keeps the binary-coded-decimal
// code 1 D3 D2 . D1 D0 MHz of the active frequency.
struct RadioBand {
    int low_mhz, high_mhz, channel_khz;
};

// Whole steps wrap within the band; a fraction step moves one channel and
// wraps within its megahertz without carrying, as the radios' inner knob
// does. A code that is no frequency of the band steps from its lowest one.
uint32_t radio_frequency_step(uint32_t code, RadioBand band, int whole, int channels) {
    const int d3 = (code >> 12) & 0xF, d2 = (code >> 8) & 0xF, d1 = (code >> 4) & 0xF, d0 = code & 0xF;
    int mhz = 100 + 10 * d3 + d2;
    int decimals = 10 * d1 + d0;  // tens of kilohertz
    if (code > 0xFFFF || d2 > 9 || d1 > 9 || d0 > 9 || mhz < band.low_mhz || mhz > band.high_mhz) {
        mhz = band.low_mhz;
        decimals = 0;
    }
    const int count = 1000 / band.channel_khz;
    auto channel_decimals = [&](int k) { return k * band.channel_khz / 10; };
    int channel = count - 1;  // the channel the decimals stand for (or the one below)
    while (channel > 0 && channel_decimals(channel) > decimals) --channel;
    const int span = band.high_mhz - band.low_mhz + 1;
    mhz = band.low_mhz + ((mhz - band.low_mhz + whole) % span + span) % span;
    if (channels != 0) {
        channel = ((channel + channels) % count + count) % count;
        decimals = channel_decimals(channel);
    }
    const int tens_units = mhz - 100;
    return uint32_t((tens_units / 10) << 12 | (tens_units % 10) << 8 | (decimals / 10) << 4 | (decimals % 10));
}

}  // namespace

EventEffects EventEffects::standard() {
    EventEffects effects;

    // Light, smoke and NAV/GPS toggles: each flips its variable between 0
    // and 1. "On" is the switches' own test (greater than 0), so a click
    // always flips the picture, whatever odd value the variable held.
    {
        struct Toggle {
            KeyEvent event;
            VariableToken token;
        };
        constexpr Toggle toggles[] = {
            {66239, 368},  // beacon lights
            {65751, 14},   // landing lights
            {66379, 619},  // navigation lights
            {65750, 10},   // panel lights
            {65560, 11},   // strobe lights
            {65559, 15},   // smoke system
            {66375, 848},  // NAV/GPS selection
        };
        for (const Toggle& t : toggles)
            effects.add(t.event, [token = t.token](VariableStore& variables, uint32_t) {
                variables.set(token, variables.number(token) > 0 ? 0 : 1);
            });
    }

    // COM and NAV radios: the heads' whole and fraction knobs.
    {
        constexpr RadioBand com{118, 136, 25};
        constexpr RadioBand nav{108, 117, 50};
        struct RadioStep {
            KeyEvent event;
            VariableToken token;
            RadioBand band;
            int whole, channels;
        };
        constexpr RadioStep steps[] = {
            {65637, 23, com, +1, 0},   // COM1 whole up
            {65636, 23, com, -1, 0},   // COM1 whole down
            {65639, 23, com, 0, +1},   // COM1 fraction up
            {65638, 23, com, 0, -1},   // COM1 fraction down
            {66437, 870, com, +1, 0},  // COM2 whole up
            {66436, 870, com, -1, 0},  // COM2 whole down
            {66440, 870, com, 0, +1},  // COM2 fraction up
            {66438, 870, com, 0, -1},  // COM2 fraction down
            {65641, 24, nav, +1, 0},   // NAV1 whole up
            {65640, 24, nav, -1, 0},   // NAV1 whole down
            {65643, 24, nav, 0, +1},   // NAV1 fraction up
            {65642, 24, nav, 0, -1},   // NAV1 fraction down
            {65645, 27, nav, +1, 0},   // NAV2 whole up
            {65644, 27, nav, -1, 0},   // NAV2 whole down
            {65647, 27, nav, 0, +1},   // NAV2 fraction up
            {65646, 27, nav, 0, -1},   // NAV2 fraction down
        };
        for (const RadioStep& s : steps)
            effects.add(s.event, [s](VariableStore& variables, uint32_t) {
                variables.set_code(s.token, radio_frequency_step(variables.code(s.token), s.band, s.whole, s.channels));
            });
    }

    // Flight instruments: the altimeter's pressure setting (millibars), the
    // attitude indicators' reference bars, and the head-up display's
    // low-altitude setting (feet), stepped by their knobs and buttons.
    // Each step is clamped to the range the control can reach.
    {
        struct Step {
            KeyEvent event;
            VariableToken token;
            double step, minimum, maximum;
        };
        constexpr Step steps[] = {
            {65883, 75, +1, 940, 1090},    // pressure setting up
            {65884, 75, -1, 940, 1090},    // pressure setting down
            {66318, 612, +10, -400, 400},  // reference bars up
            {66319, 612, -10, -400, 400},  // reference bars down
            {66321, 615, +10, 0, 5000},    // low-altitude setting up
            {66322, 615, -10, 0, 5000},    // low-altitude setting down
        };
        for (const Step& s : steps)
            effects.add(s.event, [s](VariableStore& variables, uint32_t) {
                double v = variables.number(s.token);
                if (!std::isfinite(v)) v = 0;
                v = std::clamp(v + s.step, s.minimum, s.maximum);
                variables.set(s.token, v);
            });
    }
    return effects;
}

}  // namespace gaugehost
