// Frame cost: every gauge of the built module placed once, then frames
// (code 6 and the element update per instance) with a moving state.
#include <benchmark/benchmark.h>

#include "host.h"

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
        host.variables().set(61, 250 + 50 * t);  // airspeed
        host.variables().set(74, 1000 * t);      // altitude
        host.variables().set(78, 5);             // pitch
        host.variables().set(80, 20);            // bank
        host.variables().set(624, 80 + t);       // N1
        host.frame();
    }
    state.counters["gauges"] = double(module.gauges().size());
}
BENCHMARK(BM_FrameOfEveryGauge);

}  // namespace
