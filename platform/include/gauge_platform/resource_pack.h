// The resource section of a gauge module: a small directory of
// (type, numeric id) -> bytes, packed at build time into a read-only
// section of the module file named ".gauge_resources".
//
// Layout (little-endian):
//   "GAUGERES" magic, u32 format version (1), u32 entry count
//   entries: char type[16] (NUL-padded), u32 id, u32 offset, u32 size,
//            u32 reserved; offsets count from the start of the pack
//   data, each item aligned to 8 bytes
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#define GAUGE_PLATFORM_CXX __attribute__((visibility("default")))

namespace gauge_platform {

inline constexpr const char* kResourceSection = ".gauge_resources";
inline constexpr uint32_t kResourcePackVersion = 1;
inline constexpr size_t kResourceTypeLength = 16;

struct ResourceEntry {
    std::string type;
    uint32_t id = 0;
    uint32_t offset = 0;
    uint32_t size = 0;
};

struct ResourceItem {
    std::string type;
    uint32_t id = 0;
    std::vector<uint8_t> bytes;
};

class GAUGE_PLATFORM_CXX ResourceDirectory {
public:
    // Checks every entry against the pack's bounds; nothing outside the
    // given bytes is ever referenced. Errors name the offending entry.
    static std::optional<ResourceDirectory> parse(std::span<const uint8_t> pack, std::string* error);

    const ResourceEntry* find(std::string_view type, uint32_t id) const;
    const std::vector<ResourceEntry>& entries() const { return entries_; }

private:
    std::vector<ResourceEntry> entries_;
};

// Packs items in the given order; fails (with a message) on a type name
// that does not fit, a duplicate (type, id) or a pack over 4 GiB.
GAUGE_PLATFORM_CXX std::optional<std::vector<uint8_t>> build_resource_pack(const std::vector<ResourceItem>& items,
                                                                           std::string* error);

// The bytes of the resource section of a module file on disk.
GAUGE_PLATFORM_CXX std::optional<std::vector<uint8_t>> read_resource_section(const std::string& path,
                                                                             std::string* error);

}  // namespace gauge_platform
