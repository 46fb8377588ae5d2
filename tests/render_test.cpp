// `gaugehost render` and panel.cfg: pictures of the built module's gauges
// (needle along its direction, hidden elements not drawn, a drum window
// showing its cell), panel windows, and the errors a user meets.
#include "render.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "error.h"
#include "host.h"
#include "panel_config.h"
#include "support.h"

namespace fs = std::filesystem;
using test_support::run_gaugehost;

namespace {

struct Png {
    cairo_surface_t* surface = nullptr;
    explicit Png(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    explicit Png(gaugehost::Surface s) : surface(s.release()) {}
    ~Png() { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface); }
    int height() const { return cairo_image_surface_get_height(surface); }
    // 0xAARRGGBB (premultiplied)
    uint32_t at(int x, int y) const {
        cairo_surface_flush(surface);
        const auto* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        uint32_t p;
        std::memcpy(&p, row + x * 4, 4);
        return p;
    }
    double brightness(double x, double y) const {
        const uint32_t p = at(int(std::lround(x)), int(std::lround(y)));
        return ((p >> 16 & 255) + (p >> 8 & 255) + (p & 255)) / 3.0;
    }
};

fs::path temp_folder(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("gaugehost_render_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

// Mean brightness along a direction (degrees clockwise from up) from a
// centre, over a range of radii.
double along(const Png& png, double cx, double cy, double angle, double r0, double r1) {
    const double a = angle * M_PI / 180;
    double sum = 0;
    int n = 0;
    for (double r = r0; r <= r1; r += 1, ++n) sum += png.brightness(cx + r * std::sin(a), cy - r * std::cos(a));
    return sum / n;
}

test_support::CliResult render(const fs::path& out, std::vector<std::string> arguments) {
    std::vector<std::string> all{"render", "--module", TERVALIN_GAU, "-o", out.string()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return run_gaugehost(all);
}

}  // namespace

TEST(Render, AirspeedPointerLiesAlongItsDirection) {
    const fs::path dir = temp_folder("airspeed");
    const fs::path file = dir / "airspeed.png";
    // 250 knots: dial 201, 180 + 21 x 164.6/165 degrees.
    auto result = render(file, {"--place", "Airspeed", "--set", "61=250"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, file.string() + "\n");
    Png png(file.string());
    ASSERT_TRUE(png.ok());
    EXPECT_EQ(png.width(), 276);
    EXPECT_EQ(png.height(), 276);
    const double angle = 180 + 21 * (std::atan2(106.0 - 138, -(22.0 - 138)) * 180 / M_PI + 360 - 180) / 165;
    const double on = along(png, 138, 138, angle, 92, 102);
    EXPECT_GT(on, 180) << "the pointer's tip is bright";
    for (double off : {angle - 25, angle + 25, angle + 180})
        EXPECT_LT(along(png, 138, 138, off, 92, 102), on / 2) << off;

    // --scale enlarges the whole gauge.
    result = render(dir / "big.png", {"--place", "Airspeed", "--scale", "2"});
    ASSERT_EQ(result.status, 0) << result.err;
    Png big((dir / "big.png").string());
    EXPECT_EQ(big.width(), 552);
    fs::remove_all(dir);
}

TEST(Render, HiddenElementsDrawNothing) {
    gaugehost::Host host;
    host.load_module(TERVALIN_GAU);
    const size_t index = host.place("Airspeed", std::nullopt);
    host.install(index);
    host.variables().set(61, 0);  // pointer straight up
    host.frame();
    gaugehost::Renderer renderer(host);
    Png shown(renderer.render_gauge(index, 1));
    host.placed(index).instance->elements()[2]->image_flags |= kImageHidden;
    host.frame();
    gaugehost::Renderer again(host);
    Png hidden(again.render_gauge(index, 1));
    EXPECT_GT(along(shown, 138, 138, 0, 92, 102), 180);
    EXPECT_LT(along(hidden, 138, 138, 0, 92, 102), 90);
}

TEST(Render, DrumWindowShowsItsCell) {
    gaugehost::Host host;
    gaugehost::LoadedModule& module = host.load_module(TERVALIN_GAU);
    const size_t index = host.place("Altimeter", std::nullopt);
    host.install(index);
    host.variables().set(74, 1234.6);
    host.frame();
    gaugehost::Renderer renderer(host);
    Png png(renderer.render_gauge(index, 1));
    // The thousands drum (strip 340, 36 px cells 0 9 8 ... 1 0) at (115, 133)
    // shows cell 9, the digit 1, pixel for pixel where the strip is opaque.
    const gaugehost::Image* strip = module.bitmaps().image(340);
    ASSERT_NE(strip, nullptr);
    int compared = 0, differing = 0;
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 24; ++x) {
            const uint8_t* s = &strip->rgba[(size_t(9 * 36 + y) * strip->width + x) * 4];
            if (s[3] != 255) continue;
            const uint32_t p = png.at(115 + x, 133 + y);
            ++compared;
            if (std::abs(int(p >> 16 & 255) - s[0]) > 2 || std::abs(int(p >> 8 & 255) - s[1]) > 2 ||
                std::abs(int(p & 255) - s[2]) > 2)
                ++differing;
        }
    EXPECT_GT(compared, 700);
    EXPECT_EQ(differing, 0);
}

TEST(Render, AttitudeFlagAppearsWithAFailureIndication) {
    const fs::path dir = temp_folder("flag");
    for (const char* failed : {"0", "1"}) {
        const fs::path file = dir / (std::string("adi_") + failed + ".png");
        auto result = render(file, {"--place", "ADI", "--set", std::string("276=") + failed});
        ASSERT_EQ(result.status, 0) << result.err;
        Png png(file.string());
        // A point of the flag's band; the sky shows there otherwise.
        const uint32_t p = png.at(183, 78);
        const int r = p >> 16 & 255, b = p & 255;
        if (failed[0] == '1')
            EXPECT_GT(r, b + 80) << std::hex << p;
        else
            EXPECT_GT(b, r + 40) << std::hex << p;
    }
    fs::remove_all(dir);
}

TEST(Render, PanelWindowsBecomePictures) {
    const fs::path dir = temp_folder("panel");
    std::ofstream(dir / "panel.cfg") << "[Window Titles]\nWindow00=Main Panel\nWindow01=Spare\n\n"
                                        "[Window00]\nsize_mm=400,200\nvisible=1\nident=MAIN_PANEL\n"
                                        "background_color=10,200,10\n"
                                        "gauge00=Tervalin!Airspeed, 0, 0, 200, 200\n"
                                        "gauge01=Tervalin!Altimeter, 200, 0, 200\n\n"
                                        "[Window01]\nsize_mm=100,100\nvisible=0\n";
    std::ofstream(dir / "state") << "# cruise\n61=250 ; knots\n\n74=1250\n";
    auto result = run_gaugehost({"render",
                                 "--module",
                                 TERVALIN_GAU,
                                 "--panel",
                                 (dir / "panel.cfg").string(),
                                 "--state",
                                 (dir / "state").string(),
                                 "--scale",
                                 "1.5",
                                 "-o",
                                 (dir / "out").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, (dir / "out" / "main_panel.png").string() + "\n");  // the hidden window is not drawn
    Png png((dir / "out" / "main_panel.png").string());
    ASSERT_TRUE(png.ok());
    EXPECT_EQ(png.width(), 600);
    EXPECT_EQ(png.height(), 300);
    EXPECT_EQ(png.at(299, 299) & 0xFFFFFF, 0x0AC80Au);  // the background colour below the round gauge's edge
    // The altimeter (300 px dial in a 200-unit box at 1.5) points at 3 o'clock for 1250 ft.
    const double cx = 300 + 150 * 1.5 * 200 / 300, cy = 150 * 1.5 * 200 / 300;
    EXPECT_GT(along(png, cx, cy, 90, 40, 70), 150);
    EXPECT_LT(along(png, cx, cy, 0, 40, 70), 120);
    fs::remove_all(dir);
}

TEST(Render, ExamplePanelRenders) {
    const fs::path dir = temp_folder("example");
    auto result = run_gaugehost({"render",
                                 "--module",
                                 TERVALIN_GAU,
                                 "--panel",
                                 std::string(SOURCE_DIR) + "/examples/panel.cfg",
                                 "--state",
                                 std::string(SOURCE_DIR) + "/examples/cruise.state",
                                 "-o",
                                 dir.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("main_panel.png"), std::string::npos);
    fs::remove_all(dir);
}

TEST(PanelConfig, ErrorsNameTheFileAndLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"[Window00]\nsize_mm=10,10\ngauge00=Airspeed, 0, 0\n", "p.cfg:3: gauge00: expected Module!Gauge"},
        {"[Window00]\nsize_mm=10,10\ngauge00=Tervalin!Airspeed, 0\n",
         "p.cfg:3: gauge00: Tervalin!Airspeed needs a position"},
        {"[Window00]\nsize_mm=10,10\n\ngauge00=Tervalin!Airspeed, 0, x\n", "p.cfg:4: gauge00: y 'x' is not a number"},
        {"[Window00]\nsize_mm=10,10\ngauge00=Tervalin!Airspeed, 0, 0, -5\n",
         "p.cfg:3: gauge00: width '-5' must be positive"},
        {"[Window00]\nsize_mm=10\n", "p.cfg:2: size_mm '10': expected W,H"},
        {"[Window00]\nsize_mm=10,10\nvisible=yes\n", "p.cfg:3: visible 'yes': expected 0 or 1"},
        {"[Window00]\nsize_mm=10,10\nbackground_color=300,0,0\n", "p.cfg:3: background_color '300,0,0'"},
        {"[Window Titles]\nWindow00=Main\nWindow01=Other\n[Window00]\nsize_mm=1,1\n",
         "p.cfg:3: [Window Titles] names window01 ('Other') but there is no such section"},
        {"[Window00]\nident=MAIN_PANEL\n", "p.cfg:2: [Window00] has neither size_mm nor a background file"},
        {"[Window00]\nsize_mm=10,10\nthis line has no equals sign\n", "p.cfg:3: not a section"},
    };
    for (const Case& c : cases) {
        try {
            gaugehost::parse_panel_config(c.text, "p.cfg");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const gaugehost::HostError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
    // Parameters keep their commas; sizes are optional; other sections are not ours.
    const auto config = gaugehost::parse_panel_config(
        "[Views]\nVIEW_FORWARD_DIR=0,0,0\n[window03]\nfile=panel.png\nGauge00=M!G, 1, 2, , , a, b ,c\n", "p.cfg");
    ASSERT_EQ(config.windows.size(), 1u);
    ASSERT_EQ(config.windows[0].gauges.size(), 1u);
    const auto& g = config.windows[0].gauges[0];
    EXPECT_EQ(g.module, "M");
    EXPECT_EQ(g.gauge, "G");
    EXPECT_FALSE(g.width.has_value());
    EXPECT_EQ(g.parameters, "a, b ,c");
    EXPECT_EQ(g.line, 5);
}

TEST(RenderCli, ErrorsAreOneLineWithStatusTwo) {
    const fs::path dir = temp_folder("errors");
    std::ofstream(dir / "nomodule.cfg") << "[Window00]\nsize_mm=10,10\ngauge00=Nowhere!Airspeed, 0, 0\n";
    std::ofstream(dir / "nogauge.cfg") << "[Window00]\nsize_mm=10,10\ngauge00=Tervalin!No_Such_Gauge, 0, 0\n";
    std::ofstream(dir / "state") << "61=250\nspeed=fast\n";
    std::ofstream(dir / "file.png") << "x";
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::string tervalin = TERVALIN_GAU;
    const Case cases[] = {
        {{"render", "--panel", (dir / "missing.cfg").string()}, (dir / "missing.cfg").string() + ": cannot open"},
        {{"render", "--panel", (dir / "nomodule.cfg").string()}, "nomodule.cfg:3: module Nowhere: no Nowhere.gau"},
        {{"render", "--module", tervalin, "--panel", (dir / "nogauge.cfg").string()}, "No_Such_Gauge"},
        {{"render", "--module", tervalin, "--place", "Airspeed", "--panel", (dir / "nogauge.cfg").string()},
         "--place cannot be combined with --panel"},
        {{"render", "--module", tervalin}, "nothing to draw"},
        {{"render", "--module", tervalin, "--place", "Airspeed", "--scale", "0"}, "--scale"},
        {{"render", "--module", tervalin, "--place", "Airspeed", "--state", (dir / "state").string()},
         "state:2: 'speed' is not a variable token"},
        {{"render", "--module", tervalin, "--place", "Airspeed", "--place", "ADI", "-o", (dir / "file.png").string()},
         "2 pictures need a folder"},
        {{"render", "--module", tervalin, "--place", "Airspeed", "-o", (dir / "no" / "such" / "a.png").string()},
         "cannot write the picture"},
    };
    for (const Case& c : cases) {
        const auto result = run_gaugehost(c.arguments);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_EQ(run_gaugehost({"render", "--help"}).status, 0);
    fs::remove_all(dir);
}
