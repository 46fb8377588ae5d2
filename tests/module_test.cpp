// The built module file and the loader: exports, entry records, resources,
// and the loader's errors.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "gauge_platform/platform.h"
#include "host.h"
#include "support.h"

namespace {

std::string load_error(const std::string& path) {
    gaugehost::Host host;
    try {
        host.load_module(path);
    } catch (const gaugehost::HostError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

// Both modules: only the two entry records are exported, under the
// module's own name, and the records are constant data, so nothing of the
// modules' own runs before the host calls them.
struct BuiltModule {
    const char* path;
    const char* soname;
};
constexpr BuiltModule kBuiltModules[] = {{TERVALIN_GAU, "Tervalin.gau"}, {SKYRA_HUD_GAU, "Skyra_HUD_R.gau"}};

TEST(ModuleFile, ExportsOnlyLinkageAndImportTableUnderItsOwnName) {
    for (const BuiltModule& built : kBuiltModules) {
        const test_support::ElfSymbols symbols = test_support::read_elf_symbols(built.path);
        EXPECT_EQ(symbols.dynamic_defined, (std::set<std::string>{"Linkage", "ImportTable"})) << built.path;
        EXPECT_EQ(symbols.soname, built.soname);
        const std::string path = built.path;
        EXPECT_EQ(path.substr(path.rfind('/') + 1), built.soname);
    }
}

TEST(ModuleFile, HasNoStaticConstructorsOrDestructorsOfItsOwn) {
    for (const BuiltModule& built : kBuiltModules)
        for (const std::string& name : test_support::read_elf_symbols(built.path).all) {
            EXPECT_EQ(name.rfind("_GLOBAL__sub_I", 0), std::string::npos) << built.path << ": " << name;
            EXPECT_EQ(name.rfind("_GLOBAL__sub_D", 0), std::string::npos) << built.path << ": " << name;
        }
}

TEST(ModuleFile, LinkageRecordAndVersionBlock) {
    gaugehost::Host host;
    gaugehost::LoadedModule& module = host.load_module(TERVALIN_GAU);
    const Linkage& linkage = module.linkage();
    EXPECT_EQ(linkage.module_id, 0x13u);
    EXPECT_EQ(linkage.flags, 0u);
    EXPECT_EQ(linkage.priority, 0u);
    EXPECT_EQ(linkage.version, 0x800u);
    EXPECT_NE(linkage.module_init, nullptr);
    EXPECT_NE(linkage.module_deinit, nullptr);
    ASSERT_NE(linkage.gauge_table, nullptr);
    EXPECT_EQ(linkage.gauge_table[module.gauges().size()], nullptr);
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(module.version(),
              (Pairs{{"FileVersion", "1.0.0.0"},
                     {"ProductVersion", "1.0.0.0"},
                     {"FileDescription", "Flight Simulator 2002 Gauge"},
                     {"ProductName", "Tervalin Instruments"}}));
    // The services slot was filled before anything of the module ran.
    EXPECT_EQ(dlsym(module.handle(), "ImportTable") != nullptr, true);
    auto* imports = static_cast<ImportTableRecord*>(dlsym(module.handle(), "ImportTable"));
    EXPECT_EQ(imports->entries[0].id, 0x0Fu);
    EXPECT_EQ(imports->entries[0].pointer, host.services());
    EXPECT_EQ(imports->entries[1].id, 0u);
}

TEST(ModuleFile, PlatformFindsResourcesByModuleHandle) {
    gaugehost::Host host;
    void* handle = host.load_module(TERVALIN_GAU).handle();
    PlatformResourceInfo info = platform_find_resource(handle, 1, "VERSION");
    ASSERT_NE(info, nullptr);
    const uint32_t size = platform_sizeof_resource(handle, info);
    PlatformResourceData data = platform_load_resource(handle, info);
    const char* bytes = static_cast<const char*>(platform_lock_resource(data));
    ASSERT_NE(bytes, nullptr);
    EXPECT_NE(std::string(bytes, size).find("ProductName=Tervalin Instruments"), std::string::npos);
    EXPECT_EQ(platform_free_resource(data), 1);
    EXPECT_EQ(platform_find_resource(handle, 2, "VERSION"), nullptr);
    EXPECT_EQ(platform_find_resource(handle, 1, "WAVE"), nullptr);
    EXPECT_EQ(platform_find_resource(nullptr, 1, "VERSION"), nullptr);
    // An injected fault makes every resource call fail.
    ASSERT_EQ(platform_set_fault("resource", 1), 1);
    EXPECT_EQ(platform_find_resource(handle, 1, "VERSION"), nullptr);
    EXPECT_EQ(platform_sizeof_resource(handle, info), 0u);
    platform_clear_faults();
    EXPECT_NE(platform_find_resource(handle, 1, "VERSION"), nullptr);
    EXPECT_EQ(platform_set_fault("no-such-operation", 1), 0);
}

TEST(ModuleFile, ExecutablePathCanBeStoodInFor) {
    char buffer[256];
    ASSERT_GT(platform_executable_path(buffer, sizeof buffer), 0u);
    platform_set_executable_path("C:\\FS2002\\FS2002.EXE");
    ASSERT_GT(platform_executable_path(buffer, sizeof buffer), 0u);
    EXPECT_STREQ(buffer, "C:\\FS2002\\FS2002.EXE");
    EXPECT_EQ(platform_executable_path(buffer, 4), 0u);  // does not fit
    platform_set_fault("executable", 1);
    EXPECT_EQ(platform_executable_path(buffer, sizeof buffer), 0u);
    platform_clear_faults();
    platform_set_executable_path(nullptr);
}

TEST(Loader, ClearErrorsNameTheFile) {
    const std::string dir = TEST_MODULES;
    struct Case {
        std::string path;
        std::string message;
    };
    const std::string text_file = testing::TempDir() + "/not_a_module.gau";
    std::ofstream(text_file) << "plain text\n";
    for (const Case& c : {
             Case{"/no/such/Tervalin.gau", "/no/such/Tervalin.gau: no such module file"},
             Case{text_file, text_file + ": not a gauge module (" + text_file + ": not an ELF shared library)"},
             Case{PLATFORM_LIB,
                  std::string(PLATFORM_LIB) + ": not a gauge module (" + PLATFORM_LIB +
                      ": has no .gauge_resources section)"},
             Case{dir + "/bad_id.gau", dir + "/bad_id.gau: module identifier 0x14, expected 0x13"},
             Case{dir + "/bad_version.gau", dir + "/bad_version.gau: module version 0x700, expected 0x800"},
             Case{dir + "/no_imports.gau", dir + "/no_imports.gau: not a gauge module: no ImportTable export"},
         })
        EXPECT_EQ(load_error(c.path), c.message);
}
