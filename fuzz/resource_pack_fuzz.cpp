// The resource directory parser on arbitrary bytes: it must never read
// outside them.
#include <cstddef>
#include <cstdint>

#include "gauge_platform/resource_pack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto directory = gauge_platform::ResourceDirectory::parse({data, size}, nullptr);
    if (directory) {
        volatile uint8_t sink = 0;
        for (const auto& entry : directory->entries())
            for (uint32_t i = 0; i < entry.size; ++i) sink = sink ^ data[entry.offset + i];
    }
    return 0;
}
