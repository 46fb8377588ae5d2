#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "error.h"

namespace gaugehost {

std::string picture_limit_text() {
    return "at most " + std::to_string(kMaxPictureSide) + " pixels a side and " + std::to_string(kMaxPicturePixels) +
           " in all";
}

std::vector<uint8_t> read_file(const std::string& path, size_t limit) {
    if (path.empty()) throw HostError("'': an empty file name");
    // Opened without blocking, so a FIFO is refused rather than waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw HostError(path + ": cannot open (" + std::strerror(errno) + ")");
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) throw HostError(path + ": cannot read (" + std::strerror(errno) + ")");
    if (S_ISDIR(info.st_mode)) throw HostError(path + ": is a folder, not a file");
    if (!S_ISREG(info.st_mode)) throw HostError(path + ": not a regular file");
    if (uint64_t(info.st_size) > limit)
        throw HostError(path + ": " + std::to_string(info.st_size) + " bytes, more than the limit of " +
                        std::to_string(limit));
    std::vector<uint8_t> bytes;
    // The size may change while reading; the limit still holds.
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw HostError(path + ": cannot read (" + std::strerror(errno) + ")");
        }
        if (n == 0) break;
        if (bytes.size() + size_t(n) > limit)
            throw HostError(path + ": more than the limit of " + std::to_string(limit) + " bytes");
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

std::string read_text_file(const std::string& path) {
    const auto bytes = read_file(path, kMaxTextFileBytes);
    return std::string(bytes.begin(), bytes.end());
}

void write_file(const std::string& path, const std::vector<uint8_t>& bytes, const std::string& what) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw HostError(path + ": cannot write " + what + " (" + std::strerror(errno) + ")");
    size_t done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        done += size_t(n);
    }
    if (::close(fd) != 0 && !error) error = errno;
    if (error) {
        // Only unlink what we just created or truncated: a regular file.
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(path.c_str());
        throw HostError(path + ": cannot write " + what + " (" + std::strerror(error) + ")");
    }
}

}  // namespace gaugehost
