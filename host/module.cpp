#include "module.h"

#include <dlfcn.h>
#include <elf.h>
#include <ini.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "error.h"
#include "files.h"
#include "gauge_platform/resource_pack.h"

namespace gaugehost {
namespace {

constexpr size_t kMaxGauges = 4096;
constexpr size_t kMaxImports = 64;
// Far above any gauge module (the main one with every picture is a few MiB).
constexpr size_t kMaxModuleBytes = 256u << 20;

std::string hex(uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << std::uppercase << value;
    return out.str();
}

// The parts of an ELF file the loader and the section reader use lie
// within the file: a file cut short must not be mapped.
void check_elf_layout(const std::string& path, const std::vector<uint8_t>& bytes) {
    auto truncated = [&](const std::string& what) {
        throw HostError(path + ": truncated: " + what + " ends past the end of the file (" +
                        std::to_string(bytes.size()) + " bytes)");
    };
    auto within = [&](uint64_t offset, uint64_t count, uint64_t each) {
        return offset <= bytes.size() && (each == 0 || count <= (bytes.size() - offset) / each);
    };
    if (bytes.size() < EI_NIDENT || std::memcmp(bytes.data(), ELFMAG, SELFMAG) != 0)
        throw HostError(path + ": not a gauge module (" + path + ": not an ELF shared library)");
    if (bytes[EI_CLASS] != ELFCLASS64 || bytes[EI_DATA] != ELFDATA2LSB)
        throw HostError(path + ": not a gauge module (not a 64-bit little-endian ELF file)");
    if (bytes.size() < sizeof(Elf64_Ehdr)) truncated("the ELF header");
    Elf64_Ehdr header;
    std::memcpy(&header, bytes.data(), sizeof header);
    if (header.e_phnum && header.e_phentsize < sizeof(Elf64_Phdr))
        throw HostError(path + ": not a gauge module (bad program header size)");
    if (!within(header.e_phoff, header.e_phnum, header.e_phentsize)) truncated("the program headers");
    for (uint64_t i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment;
        std::memcpy(&segment, bytes.data() + header.e_phoff + i * header.e_phentsize, sizeof segment);
        if (segment.p_type == PT_LOAD && !within(segment.p_offset, segment.p_filesz, 1))
            truncated("loaded segment " + std::to_string(i));
    }
    if (header.e_shnum && header.e_shentsize < sizeof(Elf64_Shdr))
        throw HostError(path + ": not a gauge module (bad section header size)");
    if (!within(header.e_shoff, header.e_shnum, header.e_shentsize)) truncated("the section headers");
    for (uint64_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section;
        std::memcpy(&section, bytes.data() + header.e_shoff + i * header.e_shentsize, sizeof section);
        if (section.sh_type != SHT_NOBITS && !within(section.sh_offset, section.sh_size, 1))
            truncated("section " + std::to_string(i));
    }
}

}  // namespace

ModuleFile read_module_file(const std::string& path) {
    const std::vector<uint8_t> bytes = read_file(path, kMaxModuleBytes);
    check_elf_layout(path, bytes);

    // Resources first: a file without a resource section is no gauge module.
    ModuleFile file;
    std::string error;
    auto section = gauge_platform::read_resource_section(path, &error);
    if (!section) throw HostError(path + ": not a gauge module (" + error + ")");
    auto directory = gauge_platform::ResourceDirectory::parse(*section, &error);
    if (!directory) throw HostError(path + ": damaged resource section: " + error);
    for (const auto& entry : directory->entries()) {
        std::vector<uint8_t> resource(section->begin() + entry.offset, section->begin() + entry.offset + entry.size);
        if (entry.type == kBitmapType) {
            // Refused here, by its header, before anything would allocate it.
            if (auto size = png_size(resource); size && !picture_size_ok(size->width, size->height))
                throw HostError(path + ": bitmap " + std::to_string(entry.id) + " is " + std::to_string(size->width) +
                                " x " + std::to_string(size->height) + " pixels, more than the host draws (" +
                                picture_limit_text() + ")");
            file.bitmaps.add(entry.id, resource);
        }
        file.resources[{entry.type, entry.id}] = std::move(resource);
    }
    if (auto it = file.resources.find({"VERSION", 1}); it != file.resources.end()) {
        const std::string text(it->second.begin(), it->second.end());
        ini_parse_string(
            text.c_str(),
            [](void* user, const char*, const char* key, const char* value) -> int {
                static_cast<ModuleFile*>(user)->version.emplace_back(key, value);
                return 1;
            },
            &file);
    }
    return file;
}

LoadedModule::LoadedModule(const std::string& path, const HostServices* services) : path_(path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) throw HostError(path + ": no such module file");
    name_ = fs::path(path).stem().string();

    ModuleFile file = read_module_file(path);
    bitmaps_ = std::move(file.bitmaps);
    resources_ = std::move(file.resources);
    version_ = std::move(file.version);

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
