// The operating-system services the gauge modules call, as this machine
// provides them: module resources by handle, the executable's path, and
// fault injection so that tests can watch a module degrade.
//
// A small C surface; every call can fail and reports it in its result.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GAUGE_PLATFORM_API __attribute__((visibility("default")))

// A module handle is what the host's loader returned for the module (the
// handle the host passes as the extra word of service code 2).
typedef void* PlatformModule;
typedef struct PlatformResourceInfo_* PlatformResourceInfo;
typedef struct PlatformResourceData_* PlatformResourceData;

// Module resources: a resource has a type name ("WAVE", "BITMAP",
// "VERSION") and a numeric id. Null / 0 on failure.
GAUGE_PLATFORM_API PlatformResourceInfo platform_find_resource(PlatformModule module, uint32_t id, const char* type);
GAUGE_PLATFORM_API PlatformResourceData platform_load_resource(PlatformModule module, PlatformResourceInfo info);
GAUGE_PLATFORM_API const void* platform_lock_resource(PlatformResourceData data);
GAUGE_PLATFORM_API uint32_t platform_sizeof_resource(PlatformModule module, PlatformResourceInfo info);
// 1 when freed, 0 on failure.
GAUGE_PLATFORM_API int32_t platform_free_resource(PlatformResourceData data);

// The full path of the process's executable, NUL-terminated into buffer.
// Returns the length written (without NUL), 0 on failure or when it does
// not fit.
GAUGE_PLATFORM_API uint32_t platform_executable_path(char* buffer, uint32_t size);
// Lets a host (or a test) stand in for another executable; null restores
// the real path.
GAUGE_PLATFORM_API void platform_set_executable_path(const char* path);

// Fault injection: from the call on, the named operation fails. Returns 1
// for a known operation name, 0 otherwise. The names are listed by
// platform_fault_names (a NUL-separated list ended by an empty name).
GAUGE_PLATFORM_API int32_t platform_set_fault(const char* operation, int32_t failing);
GAUGE_PLATFORM_API void platform_clear_faults(void);
GAUGE_PLATFORM_API const char* platform_fault_names(void);

#ifdef __cplusplus
}
#endif
