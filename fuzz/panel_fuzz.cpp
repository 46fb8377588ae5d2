// panel.cfg and state files on arbitrary text, through the code `render`
// builds its windows and their backgrounds with: every refusal is a
// HostError naming the file. The panel's folder holds a picture, a folder
// and links to endless and empty devices for file= to name.
#include <cairo.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "error.h"
#include "panel_config.h"
#include "render_cli.h"

namespace fs = std::filesystem;

namespace {

// Made once, removed at exit.
const fs::path& folder() {
    static const struct Folder {
        fs::path path;
        ~Folder() {
            std::error_code ec;
            fs::remove_all(path, ec);
        }
    } dir{[] {
        const fs::path d = fs::temp_directory_path() / ("fuzz_panel_" + std::to_string(getpid()));
        fs::create_directories(d / "dir");
        cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 2, 1);
        cairo_surface_write_to_png(picture, (d / "b.png").c_str());
        cairo_surface_destroy(picture);
        std::error_code ec;
        fs::create_symlink("/dev/zero", d / "zero", ec);
        fs::create_symlink("/dev/null", d / "null", ec);
        return d;
    }()};
    return dir.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const gaugehost::PanelConfig panel = gaugehost::parse_panel_config(text, (folder() / "panel.cfg").string());
        for (const gaugehost::PanelWindow& window : panel.windows) {
            const gaugehost::WindowPicture picture = gaugehost::window_picture(panel, window);
            if (!(picture.width > 0) || !(picture.height > 0)) __builtin_trap();
        }
    } catch (const gaugehost::HostError&) {
    }
    try {
        for (const auto& [token, value] : gaugehost::parse_state(text, "fuzz.state"))
            if (token <= 0) __builtin_trap();
    } catch (const gaugehost::HostError&) {
    }
    return 0;
}
