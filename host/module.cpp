#include "module.h"

#include <dlfcn.h>
#include <ini.h>

#include <filesystem>
#include <sstream>

#include "error.h"
#include "gauge_platform/resource_pack.h"

namespace gaugehost {
namespace {

constexpr size_t kMaxGauges = 4096;
constexpr size_t kMaxImports = 64;

std::string hex(uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << std::uppercase << value;
    return out.str();
}

}  // namespace

LoadedModule::LoadedModule(const std::string& path, const HostServices* services) : path_(path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) throw HostError(path + ": no such module file");
    name_ = fs::path(path).stem().string();

    // Resources first: a file without a resource section is no gauge module.
    std::string error;
    auto section = gauge_platform::read_resource_section(path, &error);
    if (!section) throw HostError(path + ": not a gauge module (" + error + ")");
    auto directory = gauge_platform::ResourceDirectory::parse(*section, &error);
    if (!directory) throw HostError(path + ": damaged resource section: " + error);
    for (const auto& entry : directory->entries()) {
        std::vector<uint8_t> bytes(section->begin() + entry.offset, section->begin() + entry.offset + entry.size);
        if (entry.type == kBitmapType) bitmaps_.add(entry.id, bytes);
        resources_[{entry.type, entry.id}] = std::move(bytes);
    }
    if (auto* block = resource("VERSION", 1)) {
        const std::string text(block->begin(), block->end());
        ini_parse_string(
            text.c_str(),
            [](void* user, const char*, const char* key, const char* value) -> int {
                static_cast<LoadedModule*>(user)->version_.emplace_back(key, value);
                return 1;
            },
            this);
    }

    handle_ = dlopen(fs::absolute(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw HostError(path + ": cannot load: " + dlerror());
    linkage_ = static_cast<const Linkage*>(dlsym(handle_, "Linkage"));
    auto* imports = static_cast<ImportTableRecord*>(dlsym(handle_, "ImportTable"));
    auto fail = [&](const std::string& message) {
        dlclose(handle_);
        handle_ = nullptr;
        throw HostError(path + ": " + message);
    };
    if (!linkage_) fail("not a gauge module: no Linkage export");
    if (!imports) fail("not a gauge module: no ImportTable export");
    if (linkage_->module_id != kLinkageModuleId)
        fail("module identifier " + hex(linkage_->module_id) + ", expected " + hex(kLinkageModuleId));
    if (linkage_->version != kLinkageVersion)
        fail("module version " + hex(linkage_->version) + ", expected " + hex(kLinkageVersion));

    // The services slot is filled before anything of the module runs.
    ImportEntry* entry = imports->entries;
    for (size_t i = 0; i < kMaxImports && entry->id != 0; ++i, ++entry)
        if (entry->id == kImportPanelServices) entry->pointer = const_cast<HostServices*>(services);

    if (linkage_->gauge_table)
        for (size_t i = 0; i < kMaxGauges && linkage_->gauge_table[i]; ++i) gauges_.push_back(linkage_->gauge_table[i]);
    if (linkage_->module_init) linkage_->module_init();
}

LoadedModule::~LoadedModule() {
    unload();
}

void LoadedModule::unload() {
    if (!handle_) return;
    if (linkage_->module_deinit) linkage_->module_deinit();
    dlclose(handle_);
    handle_ = nullptr;
}

Gauge* LoadedModule::find_gauge(const std::string& name) const {
    for (Gauge* gauge : gauges_)
        if (gauge->name && name == gauge->name) return gauge;
    return nullptr;
}

std::vector<std::string> LoadedModule::gauge_names() const {
    std::vector<std::string> names;
    for (const Gauge* gauge : gauges_) names.emplace_back(gauge->name ? gauge->name : "");
    return names;
}

const std::vector<uint8_t>* LoadedModule::resource(const std::string& type, uint32_t id) const {
    auto it = resources_.find({type, id});
    return it == resources_.end() ? nullptr : &it->second;
}

std::vector<uint32_t> LoadedModule::resource_ids(const std::string& type) const {
    std::vector<uint32_t> ids;
    for (const auto& [key, bytes] : resources_)
        if (key.first == type) ids.push_back(key.second);
    return ids;
}

}  // namespace gaugehost
