// Movable global memory and the registry of top-level windows by class.
#include <cstdlib>
#include <cstring>
#include <list>
#include <string>

#include "faults.h"
#include "gauge_platform/audio.h"

struct PlatformGlobal_ {
    uint8_t* bytes;
    uint32_t size;
    uint32_t locks;
};

namespace gauge_platform {
namespace {

struct Window {
    std::string class_name;
};

// A list, so handles (element addresses) stay put as others come and go.
std::list<Window>& windows() {
    static std::list<Window> registry;
    return registry;
}

}  // namespace
}  // namespace gauge_platform

using namespace gauge_platform;

extern "C" {

PlatformGlobal platform_global_alloc(uint32_t flags, uint32_t bytes) {
    if (fault_active(Fault::Memory) || bytes == 0) return nullptr;
    auto* memory = static_cast<PlatformGlobal_*>(std::malloc(sizeof(PlatformGlobal_)));
    if (!memory) return nullptr;
    memory->bytes =
        static_cast<uint8_t*>((flags & PLATFORM_GMEM_ZEROINIT) ? std::calloc(bytes, 1) : std::malloc(bytes));
    if (!memory->bytes) {
        std::free(memory);
        return nullptr;
    }
    memory->size = bytes;
    memory->locks = 0;
    return memory;
}

void* platform_global_lock(PlatformGlobal memory) {
    if (!memory) return nullptr;
    ++memory->locks;
    return memory->bytes;
}

int32_t platform_global_unlock(PlatformGlobal memory) {
    if (!memory || memory->locks == 0) return 0;
    --memory->locks;
    return memory->locks > 0 ? 1 : 0;
}

uint32_t platform_global_size(PlatformGlobal memory) {
    return memory ? memory->size : 0;
}

int32_t platform_global_free(PlatformGlobal memory) {
    if (!memory) return 0;
    std::free(memory->bytes);
    std::free(memory);
    return 1;
}

PlatformWindow platform_register_window(const char* class_name) {
    if (!class_name || !*class_name) return nullptr;
    windows().push_back({class_name});
    return &windows().back();
}

void platform_unregister_window(PlatformWindow window) {
    windows().remove_if([&](const Window& w) { return &w == window; });
}

PlatformWindow platform_find_window(const char* class_name, const char* /*title*/) {
    if (!class_name) return nullptr;
    for (Window& window : windows())
        if (window.class_name == class_name) return &window;
    return nullptr;
}

}  // extern "C"

namespace gauge_platform {

bool window_registered(PlatformWindow window) {
    if (!window) return false;
    for (Window& w : windows())
        if (&w == window) return true;
    return false;
}

}  // namespace gauge_platform
