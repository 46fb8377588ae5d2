#include "gauge_platform/resource_pack.h"

#include <fcntl.h>
#include <gelf.h>
#include <libelf.h>
#include <unistd.h>

#include <cstring>
#include <set>
#include <utility>

namespace gauge_platform {
namespace {

constexpr char kMagic[8] = {'G', 'A', 'U', 'G', 'E', 'R', 'E', 'S'};
constexpr size_t kHeaderSize = 16;
constexpr size_t kEntrySize = kResourceTypeLength + 16;

uint32_t read_u32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void put_u32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
}

bool fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return false;
}

}  // namespace

std::optional<ResourceDirectory> ResourceDirectory::parse(std::span<const uint8_t> pack, std::string* error) {
    if (pack.size() < kHeaderSize || std::memcmp(pack.data(), kMagic, sizeof kMagic) != 0) {
        fail(error, "not a gauge resource pack (bad magic)");
        return std::nullopt;
    }
    const uint32_t version = read_u32(pack.data() + 8);
    if (version != kResourcePackVersion) {
        fail(error, "unsupported resource pack version " + std::to_string(version));
        return std::nullopt;
    }
    const uint64_t count = read_u32(pack.data() + 12);
    if (count > (pack.size() - kHeaderSize) / kEntrySize) {
        fail(error, "resource directory of " + std::to_string(count) + " entries does not fit the pack");
        return std::nullopt;
    }
    ResourceDirectory directory;
    directory.entries_.reserve(count);
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* e = pack.data() + kHeaderSize + i * kEntrySize;
        ResourceEntry entry;
        const char* type = reinterpret_cast<const char*>(e);
        entry.type.assign(type, strnlen(type, kResourceTypeLength));
        entry.id = read_u32(e + kResourceTypeLength);
        entry.offset = read_u32(e + kResourceTypeLength + 4);
        entry.size = read_u32(e + kResourceTypeLength + 8);
        if (entry.type.empty() || uint64_t(entry.offset) + entry.size > pack.size()) {
            fail(error,
                 "resource entry " + std::to_string(i) + " (" + entry.type + " " + std::to_string(entry.id) +
                     ") lies outside the pack");
            return std::nullopt;
        }
        directory.entries_.push_back(std::move(entry));
    }
    return directory;
}

const ResourceEntry* ResourceDirectory::find(std::string_view type, uint32_t id) const {
    for (const ResourceEntry& entry : entries_)
        if (entry.id == id && entry.type == type) return &entry;
    return nullptr;
}

std::optional<std::vector<uint8_t>> build_resource_pack(const std::vector<ResourceItem>& items, std::string* error) {
    std::set<std::pair<std::string, uint32_t>> seen;
    uint64_t offset = kHeaderSize + items.size() * kEntrySize;
    std::vector<uint8_t> out(offset, 0);
    std::memcpy(out.data(), kMagic, sizeof kMagic);
    put_u32(out, 8, kResourcePackVersion);
    put_u32(out, 12, uint32_t(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        const ResourceItem& item = items[i];
        if (item.type.empty() || item.type.size() >= kResourceTypeLength) {
            fail(error, "resource type name '" + item.type + "' must have 1 to 15 characters");
            return std::nullopt;
        }
        if (!seen.emplace(item.type, item.id).second) {
            fail(error, "resource " + item.type + " " + std::to_string(item.id) + " is listed twice");
            return std::nullopt;
        }
        offset = (offset + 7) & ~uint64_t(7);
        if (offset + item.bytes.size() > 0xFFFFFFFFu) {
            fail(error, "resource pack would exceed 4 GiB");
            return std::nullopt;
        }
        const size_t at = kHeaderSize + i * kEntrySize;
        std::memcpy(out.data() + at, item.type.data(), item.type.size());
        put_u32(out, at + kResourceTypeLength, item.id);
        put_u32(out, at + kResourceTypeLength + 4, uint32_t(offset));
        put_u32(out, at + kResourceTypeLength + 8, uint32_t(item.bytes.size()));
        out.resize(offset, 0);
        out.insert(out.end(), item.bytes.begin(), item.bytes.end());
        offset += item.bytes.size();
    }
    return out;
}

std::optional<std::vector<uint8_t>> read_resource_section(const std::string& path, std::string* error) {
    if (elf_version(EV_CURRENT) == EV_NONE) {
        fail(error, "libelf is not usable");
        return std::nullopt;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fail(error, path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    std::optional<std::vector<uint8_t>> result;
    Elf* elf = elf_begin(fd, ELF_C_READ, nullptr);
    size_t names = 0;
    if (!elf || elf_kind(elf) != ELF_K_ELF || elf_getshdrstrndx(elf, &names) != 0) {
        fail(error, path + ": not an ELF shared library");
    } else {
        for (Elf_Scn* scn = elf_nextscn(elf, nullptr); scn; scn = elf_nextscn(elf, scn)) {
            GElf_Shdr header;
            if (!gelf_getshdr(scn, &header)) continue;
            const char* name = elf_strptr(elf, names, header.sh_name);
            if (!name || std::strcmp(name, kResourceSection) != 0) continue;
            Elf_Data* data = elf_getdata(scn, nullptr);
            if (!data || header.sh_type != SHT_PROGBITS) break;
            const auto* bytes = static_cast<const uint8_t*>(data->d_buf);
            result.emplace(bytes, bytes + data->d_size);
            break;
        }
        if (!result) fail(error, path + ": has no " + std::string(kResourceSection) + " section");
    }
    if (elf) elf_end(elf);
    close(fd);
    return result;
}

}  // namespace gauge_platform
