// Frame cost: every gauge of the built module placed once, then frames
// (code 6 and the element update per instance) with a moving state.
#include <benchmark/benchmark.h>

#include "host.h"
#include "host_numbers.h"

namespace {

void BM_FrameOfEveryGauge(benchmark::State& state) {
    gaugehost::Host host;
    gaugehost::LoadedModule& module = host.load_module(TERVALIN_GAU);
    for (const Gauge* gauge : module.gauges()) {
        const size_t index = host.place(gauge->name, std::nullopt);
        host.install(index);
        host.connect(index);
    }
    double t = 0;
    for (auto _ : state) {
        t += 0.05;
        host.variables().set(token::indicated_airspeed, 250 + 50 * t);
        host.variables().set(token::indicated_altitude, 1000 * t);
        host.variables().set(token::pitch, 5);
        host.variables().set(token::bank, 20);
        host.variables().set(token::engine1_n1, 80 + t);
        host.frame();
    }
    state.counters["gauges"] = double(module.gauges().size());
}
BENCHMARK(BM_FrameOfEveryGauge);

}  // namespace
