// The platform's audio device and secondary buffers, its movable memory,
// the memory RIFF reader and the registry of top-level windows by class.
// (The sound stand-in fills this surface in; these handles are what the
// main module's sound player holds.)
#pragma once

#include <stdint.h>

#include "gauge_platform/platform.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef void* PlatformWindow;
typedef struct PlatformSoundDevice_* PlatformSoundDevice;
typedef struct PlatformSoundBuffer_* PlatformSoundBuffer;

#ifdef __cplusplus
}
#endif
