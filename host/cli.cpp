#include "cli.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <iomanip>
#include <iostream>
#include <memory>

#include "error.h"
#include "host.h"
#include "probe.h"
#include "render_cli.h"
#include "scenario.h"
#include "validate_cli.h"

namespace gaugehost {
namespace {

using Run = std::function<int(std::ostream& out, std::ostream& err)>;

// One subcommand: its options are added to its own CLI11 app, and it runs
// after a successful parse.
struct Command {
    const char* name;
    const char* help;
    std::function<Run(CLI::App& app)> add_options;  // returns what runs it
};

int list_module(const std::string& path, std::ostream& out) {
    Host host;
    LoadedModule& module = host.load_module(path);
    out << module.path() << ": " << module.gauges().size() << " gauges\n";
    out << std::left << std::setw(7) << "index" << std::setw(32) << "name"
        << "width (mm)\n";
    for (size_t i = 0; i < module.gauges().size(); ++i) {
        const Gauge* gauge = module.gauges()[i];
        out << std::left << std::setw(7) << i << std::setw(32) << (gauge->name ? gauge->name : "") << gauge->width_mm
            << "\n";
    }
    out << "version block:\n";
    for (const auto& [key, value] : module.version()) out << "  " << std::setw(17) << key << value << "\n";
    return 0;
}

Run add_list(CLI::App& app) {
    auto path = std::make_shared<std::string>();
    app.add_option("module", *path, "the module file (.gau)")->required();
    return [path](std::ostream& out, std::ostream&) { return list_module(*path, out); };
}

Run add_probe(CLI::App& app) {
    auto options = std::make_shared<ScenarioOptions>(app);
    return [options, &app](std::ostream& out, std::ostream& err) {
        const Scenario scenario = options->scenario(app);
        if (scenario.placements.empty()) {
            err << "gaugehost probe: --place: no gauge placed\n";
            return 2;
        }
        Host host;
        run_scenario(host, scenario);
        out << dump_json(probe_document(host)) << "\n";
        return 0;
    };
}

Run add_render(CLI::App& app) {
    auto command = std::make_shared<RenderCommand>(app);
    return [command](std::ostream& out, std::ostream& err) { return command->run(out, err); };
}

const Command kCommands[] = {
    {"list", "print a module's gauge table and version block", add_list},
    {"probe", "place gauges, apply actions in order and print their state as one JSON document", add_probe},
    {"render",
     "draw placed gauges (--place) or the visible windows of a panel.cfg (--panel) as PNG pictures, "
     "after the actions given, in order",
     add_render},
    {"validate", kValidateHelp, add_validate},
};

}  // namespace

int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    CLI::App app{"gaugehost: loads flight-simulator gauge modules, drives their gauges and shows them."};
    app.require_subcommand(1);
    std::vector<std::pair<CLI::App*, Run>> commands;
    for (const Command& command : kCommands) {
        CLI::App* sub = app.add_subcommand(command.name, command.help);
        commands.emplace_back(sub, command.add_options(*sub));
    }

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
        for (auto& [sub, run] : commands)
            if (sub->parsed()) {
                const int status = run(out, err);
                // A document lost to a full disk is no success.
                if (!out.flush()) throw HostError("cannot write to the standard output");
                return status;
            }
    } catch (const HostError& e) {
        err << "gaugehost: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        // Anything else still ends in one line, not an abort.
        err << "gaugehost: " << e.what() << "\n";
        return 2;
    }
    return 2;
}

}  // namespace gaugehost
