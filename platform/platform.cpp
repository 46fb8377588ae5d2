// Module resources by handle, the executable's path and fault injection.
#include "gauge_platform/platform.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <gelf.h>
#include <libelf.h>
#include <link.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "faults.h"
#include "gauge_platform/resource_pack.h"

struct PlatformResourceInfo_ {
    const uint8_t* bytes;
    uint32_t size;
};

struct PlatformResourceData_ {
    const uint8_t* bytes;
    uint32_t size;
};

namespace gauge_platform {
namespace {

// The resource section of one loaded module, as mapped in memory.
struct ModuleResources {
    const uint8_t* section = nullptr;
    size_t size = 0;
    ResourceDirectory directory;
    uintptr_t load_bias = 0;
    std::string path;
    std::map<const ResourceEntry*, std::unique_ptr<PlatformResourceInfo_>> infos;
};

std::map<PlatformModule, std::unique_ptr<ModuleResources>>& module_cache() {
    static std::map<PlatformModule, std::unique_ptr<ModuleResources>> cache;
    return cache;
}

// Where the loader mapped the module's resource section: the section's
// address in the file plus the module's load bias.
std::optional<std::pair<uintptr_t, size_t>> section_address(const char* path) {
    if (elf_version(EV_CURRENT) == EV_NONE) return std::nullopt;
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::pair<uintptr_t, size_t>> found;
    Elf* elf = elf_begin(fd, ELF_C_READ, nullptr);
    size_t names = 0;
    if (elf && elf_kind(elf) == ELF_K_ELF && elf_getshdrstrndx(elf, &names) == 0) {
        for (Elf_Scn* scn = elf_nextscn(elf, nullptr); scn; scn = elf_nextscn(elf, scn)) {
            GElf_Shdr header;
            if (!gelf_getshdr(scn, &header)) continue;
            const char* name = elf_strptr(elf, names, header.sh_name);
            if (name && std::strcmp(name, kResourceSection) == 0 && (header.sh_flags & SHF_ALLOC)) {
                found.emplace(uintptr_t(header.sh_addr), size_t(header.sh_size));
                break;
            }
        }
    }
    if (elf) elf_end(elf);
    close(fd);
    return found;
}

// Whether [address, address + size) lies in one loaded segment of the
// object the loader mapped at this bias, by the loader's own program
// headers: a section header may claim any address.
bool inside_loaded_segment(const link_map* map, uintptr_t address, size_t size) {
    struct Query {
        const link_map* map;
        uintptr_t address;
        size_t size;
        bool inside = false;
    } query{map, address, size};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* q = static_cast<Query*>(data);
            if (info->dlpi_addr != q->map->l_addr || !info->dlpi_name ||
                std::strcmp(info->dlpi_name, q->map->l_name) != 0)
                return 0;
            for (size_t i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD) continue;
                if (q->address >= segment.p_vaddr && q->size <= segment.p_memsz &&
                    q->address - segment.p_vaddr <= segment.p_memsz - q->size)
                    q->inside = true;
            }
            return 1;
        },
        &query);
    return query.inside;
}

ModuleResources* resources_of(PlatformModule module) {
    if (!module) return nullptr;
    auto& cache = module_cache();
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name || !*map->l_name) return nullptr;
    // A module unloaded and another loaded may get the same handle: the
    // cached section must be the one mapped now.
    if (auto it = cache.find(module); it != cache.end()) {
        if (it->second->load_bias == map->l_addr && it->second->path == map->l_name) return it->second.get();
        cache.erase(it);
    }
    const auto address = section_address(map->l_name);
    if (!address || !inside_loaded_segment(map, address->first, address->second)) return nullptr;
    auto resources = std::make_unique<ModuleResources>();
    resources->section = reinterpret_cast<const uint8_t*>(map->l_addr + address->first);
    resources->load_bias = map->l_addr;
    resources->path = map->l_name;
    resources->size = address->second;
    auto directory = ResourceDirectory::parse({resources->section, resources->size}, nullptr);
    if (!directory) return nullptr;
    resources->directory = std::move(*directory);
    return cache.emplace(module, std::move(resources)).first->second.get();
}

std::string& executable_override() {
    static std::string path;
    return path;
}

}  // namespace
}  // namespace gauge_platform

using namespace gauge_platform;

extern "C" {

PlatformResourceInfo platform_find_resource(PlatformModule module, uint32_t id, const char* type) {
    if (fault_active(Fault::Resource) || !type) return nullptr;
    ModuleResources* resources = resources_of(module);
    if (!resources) return nullptr;
    const ResourceEntry* entry = resources->directory.find(type, id);
    if (!entry) return nullptr;
    auto& info = resources->infos[entry];
    if (!info) info.reset(new PlatformResourceInfo_{resources->section + entry->offset, entry->size});
    return info.get();
}

PlatformResourceData platform_load_resource(PlatformModule module, PlatformResourceInfo info) {
    if (fault_active(Fault::Resource) || !module || !info) return nullptr;
    return new PlatformResourceData_{info->bytes, info->size};
}

const void* platform_lock_resource(PlatformResourceData data) {
    if (fault_active(Fault::Resource) || !data) return nullptr;
    return data->bytes;
}

uint32_t platform_sizeof_resource(PlatformModule module, PlatformResourceInfo info) {
    if (fault_active(Fault::Resource) || !module || !info) return 0;
    return info->size;
}

int32_t platform_free_resource(PlatformResourceData data) {
    if (!data) return 0;
    delete data;
    return 1;
}

uint32_t platform_executable_path(char* buffer, uint32_t size) {
    if (fault_active(Fault::Executable) || !buffer || size == 0) return 0;
    std::string path = executable_override();
    if (path.empty()) {
        char real[4096];
        const ssize_t n = readlink("/proc/self/exe", real, sizeof real - 1);
        if (n <= 0) return 0;
        path.assign(real, size_t(n));
    }
    if (path.size() + 1 > size) return 0;
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return uint32_t(path.size());
}

void platform_set_executable_path(const char* path) {
    executable_override() = path ? path : "";
}

}  // extern "C"
