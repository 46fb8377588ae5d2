// The platform's audio device and secondary buffers, its movable memory,
// the memory RIFF reader and the registry of top-level windows by class.
// These are the handles and calls the main module's sound player uses.
//
// Every call reports failure in its result (1 / 0, a null handle, or a
// byte count of 0); none throws and none blocks.
#pragma once

#include <stdint.h>

#include "gauge_platform/platform.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef void* PlatformWindow;
typedef struct PlatformSoundDevice_* PlatformSoundDevice;
typedef struct PlatformSoundBuffer_* PlatformSoundBuffer;
typedef struct PlatformGlobal_* PlatformGlobal;
typedef struct PlatformRiff_* PlatformRiff;

// ---- Movable global memory ------------------------------------------------

#define PLATFORM_GMEM_FIXED 0x0000u
#define PLATFORM_GMEM_MOVEABLE 0x0002u
#define PLATFORM_GMEM_ZEROINIT 0x0040u

// Null when the memory is exhausted (or bytes is 0).
GAUGE_PLATFORM_API PlatformGlobal platform_global_alloc(uint32_t flags, uint32_t bytes);
// The block's address while locked (locks nest); null on a bad handle.
GAUGE_PLATFORM_API void* platform_global_lock(PlatformGlobal memory);
// 1 while the block is still locked by an outer lock, 0 once unlocked or
// on a handle that is not locked.
GAUGE_PLATFORM_API int32_t platform_global_unlock(PlatformGlobal memory);
GAUGE_PLATFORM_API uint32_t platform_global_size(PlatformGlobal memory);
// 1 when freed, 0 on a null handle.
GAUGE_PLATFORM_API int32_t platform_global_free(PlatformGlobal memory);

// ---- Top-level windows by class -------------------------------------------

// The host registers its main window's class when it opens it; the handle
// stays valid until unregistered. Null for a null or empty class name.
GAUGE_PLATFORM_API PlatformWindow platform_register_window(const char* class_name);
GAUGE_PLATFORM_API void platform_unregister_window(PlatformWindow window);
// The first registered window of that class (exact, case-sensitive), or null.
GAUGE_PLATFORM_API PlatformWindow platform_find_window(const char* class_name, const char* title);

// ---- RIFF files in memory -------------------------------------------------

// A four-character code: 'R','I','F','F' -> PLATFORM_FOURCC('R','I','F','F').
#define PLATFORM_FOURCC(a, b, c, d)                                                            \
    ((uint32_t)(uint8_t)(a) | ((uint32_t)(uint8_t)(b) << 8) | ((uint32_t)(uint8_t)(c) << 16) | \
     ((uint32_t)(uint8_t)(d) << 24))

// The memory I/O procedure: the file is the caller's bytes.
#define PLATFORM_RIFF_IO_MEMORY PLATFORM_FOURCC('M', 'E', 'M', ' ')
#define PLATFORM_RIFF_READ 0x0000u
#define PLATFORM_RIFF_READWRITE 0x0002u
#define PLATFORM_RIFF_ALLOCBUF 0x00010000u

// Descend flags: search for a chunk with the given id, or for a "RIFF"
// chunk with the given form type.
#define PLATFORM_RIFF_FIND_CHUNK 0x0010u
#define PLATFORM_RIFF_FIND_RIFF 0x0020u

typedef struct PlatformRiffChunk {
    uint32_t id;      // chunk id
    uint32_t size;    // data bytes (for "RIFF", including the form type)
    uint32_t form;    // form type of a "RIFF" chunk
    uint32_t offset;  // file offset of the chunk's data
} PlatformRiffChunk;

// Opens size bytes at data as a file. The reader only ever reads inside
// them (writes are refused). Null on failure.
GAUGE_PLATFORM_API PlatformRiff platform_riff_open(const void* data, uint32_t size, uint32_t io_procedure,
                                                   uint32_t flags);
// Searches from the current position, inside parent (or the whole file),
// for the chunk that chunk->id (or chunk->form with FIND_RIFF) names,
// skipping others. On success fills chunk, leaves the position at the
// chunk's data and returns 1; 0 when it is missing or a header is
// malformed or truncated (a chunk whose stated size runs past its parent or
// the file).
GAUGE_PLATFORM_API int32_t platform_riff_descend(PlatformRiff riff, PlatformRiffChunk* chunk,
                                                 const PlatformRiffChunk* parent, uint32_t flags);
// Moves the position past the end of chunk (and its pad byte). 1 or 0.
GAUGE_PLATFORM_API int32_t platform_riff_ascend(PlatformRiff riff, const PlatformRiffChunk* chunk);
// Reads up to bytes from the current position; returns the count read
// (fewer at the end of the file), or -1 on a bad argument.
GAUGE_PLATFORM_API int32_t platform_riff_read(PlatformRiff riff, void* out, int32_t bytes);
// 1 when closed, 0 on a null handle.
GAUGE_PLATFORM_API int32_t platform_riff_close(PlatformRiff riff);

// ---- Audio device and secondary buffers -----------------------------------

#define PLATFORM_WAVE_FORMAT_PCM 1u
#define PLATFORM_WAVE_FORMAT_ADPCM 2u

// The 18-byte wave format header at the start of a "fmt " chunk.
typedef struct __attribute__((packed)) PlatformWaveFormat {
    uint16_t format_tag;
    uint16_t channels;
    uint32_t samples_per_second;
    uint32_t average_bytes_per_second;
    uint16_t block_align;
    uint16_t bits_per_sample;
    uint16_t extra_size;  // bytes that follow in the chunk; not read here
} PlatformWaveFormat;

// Cooperative levels.
#define PLATFORM_AUDIO_NORMAL 1
#define PLATFORM_AUDIO_PRIORITY 2
#define PLATFORM_AUDIO_EXCLUSIVE 3
#define PLATFORM_AUDIO_WRITEPRIMARY 4

// Buffer capabilities.
#define PLATFORM_BUFFER_CTRL_FREQUENCY 0x0020u
#define PLATFORM_BUFFER_CTRL_PAN 0x0040u
#define PLATFORM_BUFFER_CTRL_VOLUME 0x0080u
#define PLATFORM_BUFFER_GLOBAL_FOCUS 0x8000u

// The buffer description. Its size field is the description's version: 36,
// its size where the format was defined (32-bit pointers), whatever
// sizeof says here.
#define PLATFORM_BUFFER_DESCRIPTION_SIZE 36u
typedef struct PlatformBufferDescription {
    uint32_t size;
    uint32_t flags;
    uint32_t buffer_bytes;
    uint32_t reserved;
    const PlatformWaveFormat* format;
    uint8_t algorithm[16];  // 3D algorithm id; all zero
} PlatformBufferDescription;

// Buffer sizes the device takes.
#define PLATFORM_BUFFER_MIN_BYTES 4u
#define PLATFORM_BUFFER_MAX_BYTES 0x0FFFFFFFu

// Play flags: 0 plays once; looping is the only other.
#define PLATFORM_PLAY_LOOPING 0x1u

// device_id null = the default device (the only one). 1 and the device in
// *device, or 0 and null.
GAUGE_PLATFORM_API int32_t platform_audio_create_device(const void* device_id, PlatformSoundDevice* device);
// Refused for a window that is not registered (a null one included).
GAUGE_PLATFORM_API int32_t platform_audio_set_cooperative_level(PlatformSoundDevice device, PlatformWindow window,
                                                                uint32_t level);
// PCM (8 or 16 bits, mono or stereo, any rate) and Microsoft ADPCM (4 bits,
// mono or stereo; decoded to PCM when played). 1 and the buffer, or 0 and null.
GAUGE_PLATFORM_API int32_t platform_audio_create_buffer(PlatformSoundDevice device,
                                                        const PlatformBufferDescription* description,
                                                        PlatformSoundBuffer* buffer);
// Locks bytes from offset, wrapping at the end of the buffer as a ring: the
// first part runs from offset towards the end, the second (null / 0 when
// not needed) from the start. One lock at a time.
GAUGE_PLATFORM_API int32_t platform_audio_lock(PlatformSoundBuffer buffer, uint32_t offset, uint32_t bytes,
                                               void** part1, uint32_t* bytes1, void** part2, uint32_t* bytes2,
                                               uint32_t flags);
// Hands back the parts of the current lock with the bytes written to each.
GAUGE_PLATFORM_API int32_t platform_audio_unlock(PlatformSoundBuffer buffer, void* part1, uint32_t bytes1, void* part2,
                                                 uint32_t bytes2);
GAUGE_PLATFORM_API int32_t platform_audio_set_position(PlatformSoundBuffer buffer, uint32_t position);
// The position the next play starts from: it advances while the buffer
// plays and returns to 0 when a single play ends.
GAUGE_PLATFORM_API int32_t platform_audio_get_position(PlatformSoundBuffer buffer, uint32_t* position);
// Plays from the current position to the end (flags 0) or loops. A play
// while the buffer is still playing changes nothing and succeeds.
GAUGE_PLATFORM_API int32_t platform_audio_play(PlatformSoundBuffer buffer, uint32_t reserved1, uint32_t priority,
                                               uint32_t flags);
GAUGE_PLATFORM_API int32_t platform_audio_stop(PlatformSoundBuffer buffer);
// 1 while playing.
GAUGE_PLATFORM_API int32_t platform_audio_is_playing(PlatformSoundBuffer buffer);
// Reference-counted release; the count left.
GAUGE_PLATFORM_API uint32_t platform_audio_release_buffer(PlatformSoundBuffer buffer);
GAUGE_PLATFORM_API uint32_t platform_audio_release_device(PlatformSoundDevice device);
// Live objects, for leak checks.
GAUGE_PLATFORM_API uint32_t platform_audio_buffer_count(void);
GAUGE_PLATFORM_API uint32_t platform_audio_device_count(void);

// ---- Backends and the play log --------------------------------------------

// "sdl" plays through SDL2 audio; "record" plays nothing and logs each
// play. Recording is used when the program or the GAUGE_AUDIO environment
// variable asks for it, SDL otherwise; takes effect for devices created
// from then on. 1 for a known name.
GAUGE_PLATFORM_API int32_t platform_audio_set_backend(const char* name);
GAUGE_PLATFORM_API const char* platform_audio_backend(void);

typedef struct PlatformPlayRecord {
    uint32_t buffer;  // serial number of the buffer, from 1
    PlatformWaveFormat format;
    uint32_t buffer_bytes;  // the buffer's size
    uint32_t start;         // position the play started from
    uint32_t bytes;         // bytes played (from start to the end)
    uint64_t content_hash;  // platform_audio_hash of the whole buffer
} PlatformPlayRecord;

// FNV-1a, 64 bits: lets a caller tell which bytes a buffer holds.
GAUGE_PLATFORM_API uint64_t platform_audio_hash(const void* bytes, uint32_t size);

// Every successful play that starts sound (by either backend) is logged
// and passed to the observer, if one is set.
typedef void (*PlatformPlayObserver)(const PlatformPlayRecord* record, void* context);
GAUGE_PLATFORM_API void platform_audio_set_play_observer(PlatformPlayObserver observer, void* context);
GAUGE_PLATFORM_API uint32_t platform_audio_play_count(void);
// 1 and the record of play index (from 0), or 0.
GAUGE_PLATFORM_API int32_t platform_audio_play_record(uint32_t index, PlatformPlayRecord* record);
GAUGE_PLATFORM_API void platform_audio_clear_play_log(void);

// Decodes a buffer's sound to interleaved 16-bit PCM at its own rate and
// channel count, from position start to the end. Returns the sample count
// written (up to capacity; 0 on failure), so tests can hear what would play.
GAUGE_PLATFORM_API uint32_t platform_audio_decode(PlatformSoundBuffer buffer, uint32_t start, int16_t* samples,
                                                  uint32_t capacity);

#ifdef __cplusplus
}
#endif
