// Small helpers for tests: bitmaps of given sizes, a services pointer for
// gauges defined in the tests, running the gaugehost command, and reading
// a module file's symbols.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <set>
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
// The same, for its document: a failed run fails the test and gives an
// empty object.
nlohmann::json probe_document(const std::vector<std::string>& arguments);

// A gauge definition's element chain, root first.
std::vector<Element*> definition_chain(const Gauge& gauge);

struct ElfSymbols {
    std::set<std::string> dynamic_defined;  // defined global and weak dynamic symbols
    std::set<std::string> all;              // every name of .symtab and .dynsym
    std::string soname;
};
ElfSymbols read_elf_symbols(const std::string& path);

}  // namespace test_support
