#include "render_cli.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <set>

#include "error.h"
#include "files.h"
#include "panel_config.h"
#include "render.h"
#include "text.h"

namespace gaugehost {
namespace {

namespace fs = std::filesystem;

// A file name from a window title: "Main Panel" -> "main_panel".
std::string slug(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += char(std::tolower(static_cast<unsigned char>(c)));
        else if (!out.empty() && out.back() != '_')
            out += '_';
    }
    while (!out.empty() && out.back() == '_') out.pop_back();
    return out;
}

// The folder of the modules built beside this program (bin/../modules).
std::optional<fs::path> build_modules_folder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return std::nullopt;
    return exe.parent_path().parent_path() / "modules";
}

// Finds <Module>.gau: among the --module paths, beside the panel file, in
// the build's modules folder.
std::string find_module(const std::string& module, const std::vector<std::string>& given, const PanelConfig& panel,
                        int line) {
    for (const std::string& path : given)
        if (lower(fs::path(path).stem().string()) == lower(module)) return path;
    std::vector<fs::path> folders{fs::path(panel.path).parent_path()};
    if (auto built = build_modules_folder()) folders.push_back(*built);
    for (fs::path folder : folders) {
        if (folder.empty()) folder = ".";
        const fs::path candidate = folder / (module + ".gau");
        if (fs::is_regular_file(candidate)) return candidate.string();
    }
    std::string where;
    for (const fs::path& f : folders)
        where += (where.empty() ? "" : ", ") + (f.empty() ? std::string(".") : f.string());
    throw HostError(panel.path + ":" + std::to_string(line) + ": module " + module + ": no " + module +
                    ".gau among --module, nor in " + where);
}

struct Picture {
    WindowPicture window;  // name, size and background
    std::vector<GaugePlacement> gauges;
    std::optional<size_t> alone;  // one gauge at its own size
};

}  // namespace

WindowPicture window_picture(const PanelConfig& panel, const PanelWindow& window) {
    WindowPicture picture;
    picture.name = slug(window.title);
    if (picture.name.empty()) picture.name = lower(window.section);
    if (window.background_colour) {
        const auto& c = *window.background_colour;
        picture.background.r = c[0] / 255.0;
        picture.background.g = c[1] / 255.0;
        picture.background.b = c[2] / 255.0;
    }
    if (window.file) {
        const std::string where =
            panel.path + ":" + std::to_string(window.line) + ": [" + window.section + "] file=" + *window.file + ": ";
        const fs::path file = fs::path(panel.path).parent_path() / *window.file;
        std::vector<uint8_t> bytes;
        try {
            bytes = read_file(file.string(), kMaxPictureFileBytes);
        } catch (const HostError& e) {
            throw HostError(where + e.what());
        }
        std::string why;
        picture.background_image = decode_png(bytes, &why);
        if (!picture.background_image) throw HostError(where + "not a PNG picture the host draws (" + why + ")");
    }
    if (window.size) {
        picture.width = (*window.size)[0];
        picture.height = (*window.size)[1];
    } else {
        picture.width = picture.background_image->width;
        picture.height = picture.background_image->height;
    }
    return picture;
}

std::vector<std::pair<int32_t, double>> parse_state(const std::string& text, const std::string& path) {
    std::vector<std::pair<int32_t, double>> values;
    size_t start = 0;
    for (int line = 1; start < text.size(); ++line) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string entry = text.substr(start, end - start);
        start = end + 1;
        if (const auto hash = entry.find_first_of("#;"); hash != std::string::npos) entry.erase(hash);
        entry = trim(entry);
        if (entry.empty()) continue;
        const auto where = path + ":" + std::to_string(line) + ": ";
        if (entry.find('\0') != std::string::npos) throw HostError(where + "a NUL byte in the line");
        const auto eq = entry.find('=');
        if (eq == std::string::npos) throw HostError(where + "expected TOKEN=VALUE, got '" + entry + "'");
        const std::string token_text = trim(entry.substr(0, eq)), value_text = trim(entry.substr(eq + 1));
        const auto token = parse_token(token_text);
        if (!token) throw HostError(where + "'" + token_text + "' is not a variable token");
        const auto value = parse_number(value_text);
        if (!value) throw HostError(where + "'" + value_text + "' is not a number");
        values.emplace_back(*token, *value);
    }
    return values;
}

std::vector<std::pair<int32_t, double>> read_state_file(const std::string& path) {
    return parse_state(read_text_file(path), path);
}

RenderCommand::RenderCommand(CLI::App& app) : app_(&app) {
    panel_opt_ =
        app_->add_option("--panel",
                         panel_,
                         "a panel.cfg: one picture per visible window; its gauges are instances 0, 1, ... in file "
                         "order (for --click)")
            ->type_name("FILE");
    state_opt_ =
        app_->add_option("--state", state_, "host variables to set before the other actions: token=value lines")
            ->type_name("FILE");
    app_->add_option("-o,--output",
                     output_,
                     "the picture file (one picture) or folder (created if missing); default: the current folder")
        ->type_name("PATH");
    app_->add_option("--scale", scale_, "enlarge the pictures by this factor (default 1)")->type_name("X");
    options_.emplace(*app_);
}

int RenderCommand::run(std::ostream& out, std::ostream& err) {
    if (!(scale_ > 0) || scale_ > 16) throw HostError("--scale " + std::to_string(scale_) + ": expected 0 < X <= 16");

    std::optional<PanelConfig> panel;
    std::vector<Placement> panel_placements;
    std::vector<std::pair<const PanelWindow*, std::vector<const PanelGauge*>>> windows;
    Scenario base = options_->scenario(*app_);
    if (panel_opt_->count() && panel_.empty()) throw HostError("--panel '': expected a panel.cfg file");
    if (state_opt_->count() && state_.empty()) throw HostError("--state '': expected a state file");
    if (!panel_.empty()) {
        if (!base.placements.empty()) throw HostError("--place cannot be combined with --panel " + panel_);
        panel = read_panel_config(panel_);
        for (const PanelWindow& w : panel->windows) {
            if (!w.visible) continue;
            windows.push_back({&w, {}});
            for (const PanelGauge& g : w.gauges) {
                windows.back().second.push_back(&g);
                panel_placements.push_back({g.module + "!" + g.gauge, g.parameters});
            }
        }
        if (windows.empty()) throw HostError(panel_ + ": no visible window");
    }
    Scenario scenario = options_->scenario(*app_, panel_placements);
    if (scenario.placements.empty()) throw HostError("render: --place or --panel: nothing to draw");

    if (panel) {
        std::set<std::string> loaded;
        for (const std::string& path : scenario.modules) loaded.insert(lower(fs::path(path).stem().string()));
        for (const auto& [window, gauges] : windows)
            for (const PanelGauge* g : gauges)
                if (loaded.insert(lower(g->module)).second)
                    scenario.modules.push_back(find_module(g->module, base.modules, *panel, g->line));
    }
    if (!state_.empty()) {
        std::vector<Action> first;
        for (const auto& [token, value] : read_state_file(state_)) {
            Action set{};
            set.kind = Action::Set;
            set.token = token;
            set.value = value;
            first.push_back(set);
        }
        scenario.actions.insert(scenario.actions.begin(), first.begin(), first.end());
    }

    Host host;
    run_scenario(host, scenario);
    // The picture is what the panel shows while it keeps running: one more
    // frame settles values that one element hands to the next (the airspeed
    // pointer's dial position, read by the Mach disc drawn before it).
    host.frame();

    std::vector<Picture> pictures;
    if (panel) {
        size_t instance = 0;
        for (const auto& [window, gauges] : windows) {
            Picture picture;
            picture.window = window_picture(*panel, *window);
            for (const PanelGauge* g : gauges) {
                const size_t index = instance++;
                const auto size = host.size(index);
                if (!size || size->width <= 0 || size->height <= 0)
                    throw HostError(panel->path + ":" + std::to_string(g->line) + ": " + g->module + "!" + g->gauge +
                                    ": the gauge has no root bitmap to draw");
                const double w = g->width.value_or(size->width);
                const double h = g->height.value_or(w * size->height / size->width);
                picture.gauges.push_back({index, g->x, g->y, w, h});
            }
            pictures.push_back(std::move(picture));
        }
    } else {
        std::map<std::string, int> uses;
        for (const Placement& p : scenario.placements) ++uses[p.name];
        for (size_t i = 0; i < scenario.placements.size(); ++i) {
            Picture picture;
            std::string name = scenario.placements[i].name;
            if (const auto bang = name.find('!'); bang != std::string::npos) name = name.substr(bang + 1);
            picture.window.name = uses[scenario.placements[i].name] > 1 ? name + "_" + std::to_string(i) : name;
            picture.alone = i;
            pictures.push_back(std::move(picture));
        }
    }

    // One picture and a path that is not a folder: that file. A panel's
    // pictures go to a folder unless a single one is named "*.png".
    const fs::path output = output_;
    const bool folder = fs::is_directory(output) || output_.ends_with('/') || pictures.size() > 1 ||
                        (panel && output.extension() != ".png");
    if (folder && fs::exists(output) && !fs::is_directory(output))
        throw HostError("-o " + output_ + ": " + std::to_string(pictures.size()) +
                        " pictures need a folder, not a file");
    if (folder) {
        std::error_code ec;
        fs::create_directories(output, ec);
        if (ec) throw HostError("-o " + output_ + ": cannot create the folder (" + ec.message() + ")");
    }
    Renderer renderer(host);
    renderer.warn_missing_bitmaps(err);
    for (const Picture& picture : pictures) {
        const WindowPicture& window = picture.window;
        const std::string path = folder ? (output / (window.name + ".png")).string() : output.string();
        // The image is pointed at here, where it no longer moves.
        Renderer::Background background = window.background;
        background.image = window.background_image ? &*window.background_image : nullptr;
        Surface surface = picture.alone
                              ? renderer.render_gauge(*picture.alone, scale_)
                              : renderer.render_panel(window.width, window.height, background, picture.gauges, scale_);
        write_png(surface.get(), path);
        out << path << "\n";
        if (!out.flush()) throw HostError("cannot write the list of pictures to the standard output");
    }
    return 0;
}

}  // namespace gaugehost
