// Reading a module file without loading it, on arbitrary bytes written to
// a file: the ELF layout checks, the section lookup, the resource
// directory, the version block and the bitmap headers. A refusal is a
// HostError; nothing else may happen.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "error.h"
#include "module.h"

namespace {

// The file each input is written to, removed at exit.
const std::string& scratch() {
    static const struct Scratch {
        std::string path = "/tmp/fuzz_module_file_" + std::to_string(getpid()) + ".gau";
        ~Scratch() { std::remove(path.c_str()); }
    } file;
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = std::fopen(scratch().c_str(), "wb");
    if (!file) return 0;
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) return 0;
    try {
        const gaugehost::ModuleFile module = gaugehost::read_module_file(scratch());
        volatile size_t sink = module.version.size();
        for (const auto& [key, bytes] : module.resources)
            if (auto bitmap = module.bitmaps.size(key.second); bitmap && key.first == gaugehost::kBitmapType)
                sink = sink + size_t(bitmap->width) + bytes.size();
    } catch (const gaugehost::HostError&) {
    }
    return 0;
}
