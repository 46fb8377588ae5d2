// What the host does with the key events of the gauges it knows: the
// variables each event moves and the panel windows it opens and closes, as
// the simulator would.
#include <algorithm>
#include <cmath>

#include "events.h"
#include "host_numbers.h"

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

// One binary-coded-decimal digit of a code, the nibble at `shift`, stepped
// within 0 ... range - 1 with wrap and no carry into the next digit, as the
// radios' knobs and thumbwheels do. A digit beyond its range steps from
// its value modulo the range.
uint32_t digit_step(uint32_t code, int shift, int range, int step) {
    const int digit = int(code >> shift & 0xF) % range;
    const int next = ((digit + step) % range + range) % range;
    return (code & ~(0xFu << shift)) | uint32_t(next) << shift;
}

// The ADF's hundreds knob turns the thousands and hundreds together, 0 ...
// 19 hundreds with wrap: the hundreds digit in bits 8 ... 11 of the main
// code, the thousands as the 0x100 flag of the extended code.
void adf_hundreds_step(VariableStore& variables, int step) {
    uint32_t main = variables.code(token::adf_frequency);
    uint32_t extended = variables.code(token::adf_extended_frequency);
    const int hundreds = int(main >> 8 & 0xF) % 10 + (extended >= 0x100 ? 10 : 0);
    const int next = ((hundreds + step) % 20 + 20) % 20;
    main = (main & 0xFFu) | uint32_t(next % 10) << 8;
    extended = (extended & 0xFFu) | (next >= 10 ? 0x100u : 0u);
    variables.set_code(token::adf_frequency, main);
    variables.set_code(token::adf_extended_frequency, extended);
}

}  // namespace

double Clock::simulation_time() const {
    return variables_.number(token::simulation_time);
}
void Clock::set_simulation_time(double seconds) {
    variables_.set(token::simulation_time, seconds);
}
double Clock::time_of_day() const {
    return variables_.number(token::time_of_day);
}
void Clock::set_time_of_day(double seconds) {
    variables_.set(token::time_of_day, seconds);
}

void set_panel_window(std::set<uint32_t>& closed, uint32_t window, bool open) {
    if (open)
        closed.erase(window);
    else
        closed.insert(window);
}

void toggle_panel_window(std::set<uint32_t>& closed, uint32_t window) {
    set_panel_window(closed, window, closed.count(window) != 0);
}

void EventEffects::add(KeyEvent event, Effect effect) {
    for (Row& row : rows_)
        if (row.event == event) {
            row.effect = std::move(effect);
            return;
        }
    rows_.push_back({event, std::move(effect)});
}

const EventEffects::Row* EventEffects::find(KeyEvent event) const {
    for (const Row& row : rows_)
        if (row.event == event) return &row;
    return nullptr;
}

bool EventEffects::apply(EffectContext& context, KeyEvent event, uint32_t value) const {
    const Row* row = find(event);
    if (!row) return false;
    row->effect(context, value);
    context.log.push_back({event, value});
    return true;
}

bool EventEffects::apply(VariableStore& variables, KeyEvent event, uint32_t value) const {
    std::set<uint32_t> windows;
    std::vector<AppliedEffect> log;
    EffectContext context{variables, windows, Clock(variables), log};
    return apply(context, event, value);
}

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
            {event::toggle_beacon_lights, token::beacon_lights},
            {event::toggle_landing_lights, token::landing_lights},
            {event::toggle_navigation_lights, token::navigation_lights},
            {event::toggle_panel_lights, token::panel_lights},
            {event::toggle_strobe_lights, token::strobe_lights},
            {event::toggle_smoke, token::smoke_system},
            {event::toggle_nav_gps, token::nav_gps_selection},
        };
        for (const Toggle& t : toggles)
            effects.add(t.event, [token = t.token](EffectContext& c, uint32_t) {
                c.variables.set(token, c.variables.number(token) > 0 ? 0 : 1);
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
            {event::com1_whole_up, token::com1_frequency, com, +1, 0},
            {event::com1_whole_down, token::com1_frequency, com, -1, 0},
            {event::com1_fraction_up, token::com1_frequency, com, 0, +1},
            {event::com1_fraction_down, token::com1_frequency, com, 0, -1},
            {event::com2_whole_up, token::com2_frequency, com, +1, 0},
            {event::com2_whole_down, token::com2_frequency, com, -1, 0},
            {event::com2_fraction_up, token::com2_frequency, com, 0, +1},
            {event::com2_fraction_down, token::com2_frequency, com, 0, -1},
            {event::nav1_whole_up, token::nav1_frequency, nav, +1, 0},
            {event::nav1_whole_down, token::nav1_frequency, nav, -1, 0},
            {event::nav1_fraction_up, token::nav1_frequency, nav, 0, +1},
            {event::nav1_fraction_down, token::nav1_frequency, nav, 0, -1},
            {event::nav2_whole_up, token::nav2_frequency, nav, +1, 0},
            {event::nav2_whole_down, token::nav2_frequency, nav, -1, 0},
            {event::nav2_fraction_up, token::nav2_frequency, nav, 0, +1},
            {event::nav2_fraction_down, token::nav2_frequency, nav, 0, -1},
        };
        for (const RadioStep& s : steps)
            effects.add(s.event, [s](EffectContext& c, uint32_t) {
                c.variables.set_code(s.token,
                                     radio_frequency_step(c.variables.code(s.token), s.band, s.whole, s.channels));
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
            {event::pressure_setting_up, token::pressure_setting, +1, 940, 1090},
            {event::pressure_setting_down, token::pressure_setting, -1, 940, 1090},
            {event::reference_bars_up, token::reference_bars, +10, -400, 400},
            {event::reference_bars_down, token::reference_bars, -10, -400, 400},
            {event::low_altitude_up, token::low_altitude_setting, +10, 0, 5000},
            {event::low_altitude_down, token::low_altitude_setting, -10, 0, 5000},
        };
        for (const Step& s : steps)
            effects.add(s.event, [s](EffectContext& c, uint32_t) {
                double v = c.variables.number(s.token);
                if (!std::isfinite(v)) v = 0;
                v = std::clamp(v + s.step, s.minimum, s.maximum);
                c.variables.set(s.token, v);
            });
    }

    // ADF and transponder digits, each in its own range without carrying:
    // the ADF's tens, units and tenths 0 ... 9, the transponder's four
    // digits 0 ... 7.
    {
        struct DigitStep {
            KeyEvent event;
            VariableToken token;
            int shift, range, step;
        };
        constexpr DigitStep steps[] = {
            {event::adf_tens_up, token::adf_frequency, 4, 10, +1},
            {event::adf_units_up, token::adf_frequency, 0, 10, +1},
            {event::transponder_thousands_up, token::transponder_code, 12, 8, +1},
            {event::transponder_hundreds_up, token::transponder_code, 8, 8, +1},
            {event::transponder_tens_up, token::transponder_code, 4, 8, +1},
            {event::transponder_units_up, token::transponder_code, 0, 8, +1},
            {event::adf_tens_down, token::adf_frequency, 4, 10, -1},
            {event::adf_units_down, token::adf_frequency, 0, 10, -1},
            {event::adf_tenths_down, token::adf_extended_frequency, 0, 10, -1},
            {event::adf_tenths_up, token::adf_extended_frequency, 0, 10, +1},
            {event::transponder_thousands_down, token::transponder_code, 12, 8, -1},
            {event::transponder_hundreds_down, token::transponder_code, 8, 8, -1},
            {event::transponder_tens_down, token::transponder_code, 4, 8, -1},
            {event::transponder_units_down, token::transponder_code, 0, 8, -1},
        };
        for (const DigitStep& s : steps)
            effects.add(s.event, [s](EffectContext& c, uint32_t) {
                c.variables.set_code(s.token, digit_step(c.variables.code(s.token), s.shift, s.range, s.step));
            });
        effects.add(event::adf_hundreds_up, [](EffectContext& c, uint32_t) { adf_hundreds_step(c.variables, +1); });
        effects.add(event::adf_hundreds_down, [](EffectContext& c, uint32_t) { adf_hundreds_step(c.variables, -1); });
    }

    // Panel windows, the window identifier as the value.
    effects.add(event::panel_window_toggle,
                [](EffectContext& c, uint32_t window) { toggle_panel_window(c.closed_windows, window); });
    effects.add(event::panel_window_open,
                [](EffectContext& c, uint32_t window) { set_panel_window(c.closed_windows, window, true); });
    effects.add(event::panel_window_close,
                [](EffectContext& c, uint32_t window) { set_panel_window(c.closed_windows, window, false); });
    return effects;
}

}  // namespace gaugehost
