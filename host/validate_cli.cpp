#include "validate_cli.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "checks.h"
#include "host.h"

namespace gaugehost {
namespace {

struct Options {
    std::vector<std::string> modules;
    bool json = false;
};

std::string place(const Finding& f) {
    switch (f.place) {
        case Finding::Place::Element:
            return "element " + std::to_string(f.index) + (f.kind.empty() ? "" : " (" + f.kind + ")") + ": ";
        case Finding::Place::MouseArea: return "mouse area " + std::to_string(f.index) + ": ";
        default: return "";
    }
}

nlohmann::json finding_json(const Finding& f) {
    using nlohmann::json;
    json entry{{"module", f.module}, {"gauge", f.gauge}, {"what", f.what}, {"value", f.value}};
    entry["element"] = f.place == Finding::Place::Element ? json(f.index) : json(nullptr);
    entry["kind"] = f.place == Finding::Place::Element && !f.kind.empty() ? json(f.kind) : json(nullptr);
    entry["mouse_area"] = f.place == Finding::Place::MouseArea ? json(f.index) : json(nullptr);
    return entry;
}

int validate(const Options& options, std::ostream& out) {
    std::vector<Finding> findings;
    nlohmann::json modules = nlohmann::json::array();
    size_t gauges = 0;
    for (const std::string& path : options.modules) {
        // One host per module: each loads alone, as a panel would load it.
        Host host;
        const LoadedModule& module = host.load_module(path);
        auto more = check_module(module);
        gauges += module.gauges().size();
        modules.push_back({{"module", path}, {"gauges", module.gauges().size()}, {"findings", more.size()}});
        findings.insert(findings.end(), more.begin(), more.end());
    }
    if (options.json) {
        nlohmann::json list = nlohmann::json::array();
        for (const Finding& f : findings) list.push_back(finding_json(f));
        out << nlohmann::json{{"modules", modules}, {"findings", list}}.dump(
                   2, ' ', false, nlohmann::json::error_handler_t::replace)
            << "\n";
    } else {
        for (const Finding& f : findings)
            out << f.module << ": " << (f.gauge.empty() ? "" : "gauge " + f.gauge + ": ") << place(f) << f.what
                << (f.value.empty() ? "" : ": " + f.value) << "\n";
        out << findings.size() << (findings.size() == 1 ? " finding" : " findings") << " in " << gauges << " gauges of "
            << options.modules.size() << (options.modules.size() == 1 ? " module" : " modules") << "\n";
    }
    return findings.empty() ? 0 : 1;
}

}  // namespace

std::function<int(std::ostream& out, std::ostream& err)> add_validate(CLI::App& app) {
    auto options = std::make_shared<Options>();
    app.add_option("module", options->modules, "the module files (.gau)")->required()->type_name("MODULE");
    app.add_flag("--json",
                 options->json,
                 "print one JSON document: modules, and findings with module, gauge, element (from 1, as probe "
                 "counts them) or mouse_area (list position from 0), what and value");
    return [options](std::ostream& out, std::ostream&) { return validate(*options, out); };
}

}  // namespace gaugehost
