#include "cli.h"

#include <CLI/CLI.hpp>

#include <iomanip>
#include <iostream>

#include "error.h"
#include "host.h"
#include "probe.h"
#include "render_cli.h"
#include "scenario.h"

namespace gaugehost {
namespace {

int list_module(const std::string& path, std::ostream& out) {
    Host host;
    LoadedModule& module = host.load_module(path);
    out << module.path() << ": " << module.gauges().size() << " gauges\n";
    out << std::left << std::setw(7) << "index" << std::setw(32) << "name" << "width (mm)\n";
    for (size_t i = 0; i < module.gauges().size(); ++i) {
        const Gauge* gauge = module.gauges()[i];
        out << std::left << std::setw(7) << i << std::setw(32) << (gauge->name ? gauge->name : "")
            << gauge->width_mm << "\n";
    }
    out << "version block:\n";
    for (const auto& [key, value] : module.version()) out << "  " << std::setw(17) << key << value << "\n";
    return 0;
}

}  // namespace

int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    CLI::App app{"gaugehost: loads flight-simulator gauge modules, drives their gauges and shows them."};
    app.require_subcommand(1);

    CLI::App* list = app.add_subcommand("list", "print a module's gauge table and version block");
    std::string list_path;
    list->add_option("module", list_path, "the module file (.gau)")->required();

    CLI::App* probe = app.add_subcommand(
        "probe", "place gauges, apply actions in order and print their state as one JSON document");
    ScenarioOptions probe_options(*probe);

    RenderCommand render(app);

    std::vector<std::string> args(arguments.rbegin(), arguments.rend());
    try {
        app.parse(args);
    } catch (const CLI::CallForHelp&) {
        out << (app.get_subcommands().empty() ? app.help() : app.get_subcommands().front()->help());
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::ParseError& e) {
        err << "gaugehost: " << e.what() << "\n";
        return 2;
    }

    try {
        if (list->parsed()) return list_module(list_path, out);
        if (render.app()->parsed()) return render.run(out, err);
        if (probe->parsed()) {
            const Scenario scenario = probe_options.scenario(*probe);
            if (scenario.placements.empty()) {
                err << "gaugehost probe: --place: no gauge placed\n";
                return 2;
            }
            Host host;
            run_scenario(host, scenario);
            out << probe_document(host).dump(2) << "\n";
            return 0;
        }
    } catch (const HostError& e) {
        err << "gaugehost: " << e.what() << "\n";
        return 2;
    }
    return 2;
}

}  // namespace gaugehost
