#include "faults.h"

#include <array>
#include <cstring>
#include <string>

#include "gauge_platform/platform.h"

namespace gauge_platform {
namespace {

constexpr std::array<const char*, size_t(Fault::Count)> kNames = {
    "resource", "executable", "device", "cooperative", "buffer", "lock", "unlock", "play", "memory"};

std::array<bool, size_t(Fault::Count)>& failing() {
    static std::array<bool, size_t(Fault::Count)> state{};
    return state;
}

}  // namespace

bool fault_active(Fault fault) {
    return failing()[size_t(fault)];
}

}  // namespace gauge_platform

using namespace gauge_platform;

extern "C" {

int32_t platform_set_fault(const char* operation, int32_t on) {
    if (!operation) return 0;
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (std::strcmp(kNames[i], operation) == 0) {
            failing()[i] = on != 0;
            return 1;
        }
    }
    return 0;
}

void platform_clear_faults(void) {
    failing().fill(false);
}

const char* platform_fault_names(void) {
    static const std::string list = [] {
        std::string s;
        for (const char* name : kNames) {
            s += name;
            s += '\0';
        }
        return s;
    }();
    return list.c_str();
}

}  // extern "C"
