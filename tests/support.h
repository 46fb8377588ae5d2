// Small helpers for tests: bitmaps of given sizes, a services pointer for
// gauges defined in the tests, and running the gaugehost command.
#pragma once

#include <nlohmann/json.hpp>

#include <map>
#include <string>
#include <vector>

#include "bitmaps.h"
#include "gauge.h"
#include "host.h"

namespace test_support {

// Bitmaps that only have sizes.
class SizedBitmaps : public gaugehost::BitmapSource {
public:
    SizedBitmaps(std::map<uint32_t, gaugehost::BitmapSize> sizes) : sizes_(std::move(sizes)) {}
    std::optional<gaugehost::BitmapSize> size(uint32_t id) const override {
        auto it = sizes_.find(id);
        if (it == sizes_.end()) return std::nullopt;
        return it->second;
    }
    const gaugehost::Image* image(uint32_t) const override { return nullptr; }

private:
    std::map<uint32_t, gaugehost::BitmapSize> sizes_;
};

// The services of the host under test, for callbacks of test gauges.
inline const HostServices* g_services = nullptr;

struct CliResult {
    int status = 0;
    std::string out;
    std::string err;
    nlohmann::json json() const { return nlohmann::json::parse(out); }
};

// Runs `gaugehost ARGS...` in this process.
CliResult run_gaugehost(const std::vector<std::string>& arguments);

// Runs `gaugehost probe --module <Tervalin.gau> ARGS...`.
CliResult probe(const std::vector<std::string>& arguments);

}  // namespace test_support
