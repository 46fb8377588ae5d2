// Bad input from a user or an attacker: panel files, state files,
// pictures, arguments and module files. Each is refused with one line and
// status 2, or drawn, but never ends the program.
#include <cairo.h>
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "bitmaps.h"
#include "gauge_platform/platform.h"
#include "support.h"

namespace fs = std::filesystem;
using test_support::run_gaugehost;

namespace {

const std::string kTervalin = TERVALIN_GAU;
const std::string kSample = std::string(TEST_MODULES) + "/sample.gau";
const std::string kWidePng = std::string(SOURCE_DIR) + "/tests/modules/oversized/wide.png";

fs::path temp_folder(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("gaugehost_robust_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write_bytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void expect_one_line_error(const test_support::CliResult& result, const std::string& message) {
    EXPECT_EQ(result.status, 2) << message << ": " << result.err;
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_TRUE(result.out.empty()) << result.out;
}

uint32_t crc32(const uint8_t* p, size_t n) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return ~c;
}

// A PNG of a signature, a header claiming the size and an empty image.
std::vector<uint8_t> png_header(uint32_t width, uint32_t height) {
    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    auto be = [&png](uint32_t v) {
        for (int i = 3; i >= 0; --i) png.push_back(uint8_t(v >> (8 * i)));
    };
    be(width);
    be(height);
    png.insert(png.end(), {8, 6, 0, 0, 0});
    be(crc32(png.data() + 12, 17));
    for (const char* type : {"IDAT", "IEND"}) {
        be(0);
        png.insert(png.end(), type, type + 4);
        be(crc32(png.data() + png.size() - 4, 4));
    }
    return png;
}

// The ELF section header of the resource section, in a module file's bytes.
Elf64_Shdr* resource_section(std::vector<uint8_t>& bytes) {
    auto* header = reinterpret_cast<Elf64_Ehdr*>(bytes.data());
    auto* sections = reinterpret_cast<Elf64_Shdr*>(bytes.data() + header->e_shoff);
    const char* names = reinterpret_cast<const char*>(bytes.data() + sections[header->e_shstrndx].sh_offset);
    for (int i = 0; i < header->e_shnum; ++i)
        if (std::strcmp(names + sections[i].sh_name, ".gauge_resources") == 0) return &sections[i];
    return nullptr;
}

}  // namespace

TEST(BadInput, PanelWithABackgroundPictureDrawsIt) {
    const fs::path dir = temp_folder("background");
    cairo_surface_t* red = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 8, 4);
    cairo_t* cr = cairo_create(red);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    ASSERT_EQ(cairo_surface_write_to_png(red, (dir / "back.png").c_str()), CAIRO_STATUS_SUCCESS);
    cairo_surface_destroy(red);
    write(dir / "panel.cfg",
          "[Window Titles]\nWindow00=Main\n[Window00]\nsize_mm=80,40\nfile=back.png\n"
          "gauge00=Tervalin!Airspeed, 0, 0, 10, 10\n");
    const auto result =
        run_gaugehost({"render", "--module", kTervalin, "--panel", (dir / "panel.cfg").string(), "-o", dir.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    cairo_surface_t* png = cairo_image_surface_create_from_png((dir / "main.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    cairo_surface_flush(png);
    uint32_t pixel;
    std::memcpy(&pixel, cairo_image_surface_get_data(png) + 30 * cairo_image_surface_get_stride(png) + 60 * 4, 4);
    EXPECT_EQ(pixel, 0xFFFF0000u);
    cairo_surface_destroy(png);
    fs::remove_all(dir);
}

TEST(BadInput, PanelAndStateFilesAreRefusedWithOneLine) {
    const fs::path dir = temp_folder("files");
    fs::create_directories(dir / "folder");
    fs::copy_file(kWidePng, dir / "wide.png");
    const std::string window = "[Window00]\nsize_mm=10,10\n";
    const std::string gauge = "gauge00=Tervalin!Airspeed, 0, 0\n";
    struct Case {
        std::string panel;  // written to p.cfg
        std::string message;
    };
    const Case cases[] = {
        {window + "file=folder\n" + gauge, "file=folder: " + (dir / "folder").string() + ": is a folder"},
        {window + "file=/dev/zero\n" + gauge, "/dev/zero: not a regular file"},
        {window + "file=wide.png\n" + gauge, "40000 x 1 pixels, more than the host draws"},
        {"[Window00]\nsize_mm=20000,20000\n" + gauge, "p.cfg:2: size_mm '20000,20000': more than 16384"},
        {window + "gauge00=Tervalin!Airspeed, 0, 0, 1e9, 10\n", "p.cfg:3: gauge00: width '1e9' is beyond"},
        {window + "gauge00=../Tervalin!Airspeed, 0, 0\n", "p.cfg:3: gauge00: module '../Tervalin' must be a plain"},
        {window + "gauge00=" + fs::path(kTervalin).replace_extension().string() + "!Airspeed, 0, 0\n",
         "p.cfg:3: gauge00: module '/"},
        {window + std::string("ident=A\0B\n", 10) + gauge, "p.cfg:3: a NUL byte"},
    };
    for (const Case& c : cases) {
        write(dir / "p.cfg", c.panel);
        expect_one_line_error(
            run_gaugehost({"render", "--module", kTervalin, "--panel", (dir / "p.cfg").string(), "-o", dir.string()}),
            c.message);
    }
    // State lines follow --set's rules.
    const std::pair<std::string, std::string> states[] = {
        {std::string("61=250\0junk\n", 12), "s:1: a NUL byte"},
        {"0=1\n", "s:1: '0' is not a variable token"},
        {"-1=1\n", "s:1: '-1' is not a variable token"},
        {"0x3d=1\n", "s:1: '0x3d' is not a variable token"},
        {"61=0x2475\n75=inf\n4294967357=1\n", "s:3: '4294967357' is not a variable token"},
    };
    for (const auto& [state, message] : states) {
        write(dir / "s", state);
        expect_one_line_error(run_gaugehost({"render",
                                             "--module",
                                             kTervalin,
                                             "--place",
                                             "Airspeed",
                                             "--state",
                                             (dir / "s").string(),
                                             "-o",
                                             (dir / "a.png").string()}),
                              message);
    }
    const std::vector<std::string> place{"render", "--module", kTervalin, "--place", "Airspeed", "-o", dir.string()};
    const std::pair<std::vector<std::string>, std::string> arguments[] = {
        {{"--panel", dir.string()}, dir.string() + ": is a folder"},
        {{"--state", dir.string()}, dir.string() + ": is a folder"},
        {{"--panel", ""}, "--panel '': expected a panel.cfg file"},
        {{"--state", ""}, "--state '': expected a state file"},
    };
    for (const auto& [extra, message] : arguments) {
        std::vector<std::string> all =
            extra[0] == "--panel" ? std::vector<std::string>{"render", "--module", kTervalin, "-o", dir.string()}
                                  : place;
        all.insert(all.end(), extra.begin(), extra.end());
        expect_one_line_error(run_gaugehost(all), message);
    }
    fs::remove_all(dir);
}

TEST(BadInput, PictureSizesAreCheckedBeforeDecoding) {
    struct Case {
        uint32_t width, height;
        bool refused_for_size;
    };
    for (const Case& c :
         {Case{40000, 1, true}, Case{20000, 20000, true}, Case{60000, 60000, true}, Case{16, 16, false}}) {
        std::string why;
        EXPECT_FALSE(gaugehost::decode_png(png_header(c.width, c.height), &why).has_value());
        EXPECT_EQ(why.find("more than the host draws") != std::string::npos, c.refused_for_size)
            << c.width << " x " << c.height << ": " << why;
    }
    expect_one_line_error(run_gaugehost({"list", std::string(TEST_MODULES) + "/oversized.gau"}),
                          "oversized.gau: bitmap 1 is 40000 x 1 pixels, more than the host draws");
    // The rendered picture itself: a window times its scale.
    const fs::path dir = temp_folder("scale");
    write(dir / "p.cfg", "[Window00]\nsize_mm=16000,16000\ngauge00=Tervalin!Airspeed, 0, 0\n");
    expect_one_line_error(
        run_gaugehost(
            {"render", "--module", kTervalin, "--panel", (dir / "p.cfg").string(), "--scale", "2", "-o", dir.string()}),
        "a picture of 32000 x 32000 pixels is more than the host draws");
    fs::remove_all(dir);
}

TEST(BadInput, ArgumentsOutOfRangeAreRefused) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--click", "0:4294967306,10"}, "--click 0:4294967306,10: '4294967306' is out of range"},
        {{"--drag", "0:10,-4294967306"}, "--drag 0:10,-4294967306: '-4294967306' is out of range"},
        {{"--hold", "0:1,1,4294967297"}, "--hold 0:1,1,4294967297: '4294967297' is out of range"},
        {{"--service", "0:4294967296"}, "--service 0:4294967296: '4294967296' is out of range"},
        {{"--frames", "100000000"}, "--frames 100000000: more than 100000 frames at once"},
        {{"--hold", "0:1,1,100000"}, "--hold 0:1,1,100000: more than 10000 repeats"},
        {{"--set", "0=1"}, "--set 0=1: '0' is not a variable token"},
        {{"--set", "-1=1"}, "--set -1=1: '-1' is not a variable token"},
        {{"--set", "0x3d=1"}, "--set 0x3d=1: '0x3d' is not a variable token"},
        {{"--set",
          std::string("61=2\0"
                      "5",
                      6)},
         "--set 61=2\\x005: '2\\x005' is not a number"},
    };
    for (const auto& [extra, message] : cases) {
        std::vector<std::string> arguments{"--place", "Airspeed"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        expect_one_line_error(test_support::probe(arguments), "gaugehost: " + message);
    }
}

TEST(BadInput, TextThatIsNotUtf8IsReplacedInTheDocument) {
    const auto result = test_support::probe({"--place",
                                             "Airspeed:a\xff\xfe"
                                             "b"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.json()["instances"][0]["param"],
              "a\xEF\xBF\xBD\xEF\xBF\xBD"
              "b");
}

TEST(BadInput, LargeFiniteValuesStillDraw) {
    const fs::path dir = temp_folder("values");
    const std::vector<std::string> sets[] = {{"--place", "ADI", "--set", "78=1e5"},
                                             {"--place", "Skyra_HUD_R", "--set", "850=1e12"},
                                             {"--place", "ADI", "--set", "78=-1e300", "--set", "79=1e300"}};
    for (const auto& extra : sets) {
        std::vector<std::string> arguments{"render", "--module", kTervalin, "--module", SKYRA_HUD_GAU};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        arguments.insert(arguments.end(), {"-o", (dir / "a.png").string()});
        const auto result = run_gaugehost(arguments);
        EXPECT_EQ(result.status, 0) << extra.back() << ": " << result.err;
    }
    fs::remove_all(dir);
}

TEST(BadInput, AFullDiskIsAnError) {
    const std::string exe = GAUGEHOST_EXE;
    const std::string commands[] = {
        exe + " probe --module " + kTervalin + " --place Airspeed > /dev/full 2>/dev/null",
        exe + " render --module " + kTervalin + " --place Airspeed -o /dev/full > /dev/null 2>&1",
        exe + " list " + kTervalin + " > /dev/full 2>/dev/null",
    };
    for (const std::string& command : commands) {
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        EXPECT_EQ(WEXITSTATUS(status), 2) << command;
    }
}

TEST(BadInput, DamagedModuleFilesAreRefusedBeforeLoading) {
    const fs::path dir = temp_folder("modules");
    const std::vector<uint8_t> sample = read_bytes(kSample);
    ASSERT_GT(sample.size(), 4096u);
    struct Case {
        std::string name;
        std::vector<uint8_t> bytes;
        std::string message;
    };
    std::vector<Case> cases;
    cases.push_back({"header", {sample.begin(), sample.begin() + 40}, "truncated: the ELF header"});
    cases.push_back({"half", {sample.begin(), sample.begin() + sample.size() / 2}, "truncated: "});
    std::vector<uint8_t> far_headers = sample;
    reinterpret_cast<Elf64_Ehdr*>(far_headers.data())->e_phoff = 0x7FFFFFFFFFFFull;
    cases.push_back({"far", far_headers, "truncated: the program headers"});
    for (const Case& c : cases) {
        const fs::path path = dir / (c.name + ".gau");
        write_bytes(path, c.bytes);
        expect_one_line_error(run_gaugehost({"list", path.string()}), path.string() + ": " + c.message);
    }
    fs::remove_all(dir);
}

TEST(BadInput, ResourcesOutsideTheLoadedSegmentsAreNotRead) {
    const fs::path dir = temp_folder("segments");
    std::vector<uint8_t> bytes = read_bytes(kSample);
    // A copy as it is, then with the section's address moved past every
    // segment: the platform finds the version block only in the first.
    for (const uint64_t shift : {uint64_t(0), uint64_t(1) << 40}) {
        Elf64_Shdr* section = resource_section(bytes);
        ASSERT_NE(section, nullptr);
        section->sh_addr += shift;
        const fs::path path = dir / ("shifted_" + std::to_string(shift) + ".gau");
        write_bytes(path, bytes);
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        EXPECT_EQ(platform_find_resource(handle, 1, "VERSION") != nullptr, shift == 0);
        dlclose(handle);
    }
    fs::remove_all(dir);
}
