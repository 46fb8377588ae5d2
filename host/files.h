// Reading the user's files (panel files, state files, pictures) and the
// host's size limits: nothing is read that is not a regular file, and
// nothing larger than its limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gaugehost {

// Far above any real panel file, state file or panel picture.
inline constexpr size_t kMaxTextFileBytes = 16u << 20;
inline constexpr size_t kMaxPictureFileBytes = 64u << 20;

// A picture (a bitmap, a panel background, a rendered window) has at most
// this many pixels a side (Cairo's own limit; long digit strips come near
// it) and in all (2^26 pixels are 256 MiB of RGBA).
inline constexpr int kMaxPictureSide = 32767;
inline constexpr uint64_t kMaxPicturePixels = uint64_t(1) << 26;

// Whether a picture of this size is within the limits.
inline bool picture_size_ok(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= uint64_t(kMaxPictureSide) && height <= uint64_t(kMaxPictureSide) &&
           width * height <= kMaxPicturePixels;
}
// "at most 32767 pixels a side and 67108864 in all"
std::string picture_limit_text();

// The whole file; throws HostError "PATH: WHY" (one line) when it is
// missing, not a regular file, larger than `limit` or cannot be read.
std::vector<uint8_t> read_file(const std::string& path, size_t limit);
std::string read_text_file(const std::string& path);

// Writes the bytes to the file, or throws HostError "PATH: cannot write
// WHAT (why)"; a file that was not wholly written is removed.
void write_file(const std::string& path, const std::vector<uint8_t>& bytes, const std::string& what);

}  // namespace gaugehost
