// The command line of `probe` through its real entry point, with one fixed
// module: arguments are the input's lines. Whatever they say, the program
// returns a status, and a successful run prints one valid JSON document.
#include <dlfcn.h>

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace {

// Long runs are the bounds' business (tested there); the fuzzer wants
// quick ones. Other modules are not this target's surface.
bool worth_running(const std::vector<std::string>& arguments) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a.rfind("--module", 0) == 0) return false;
        if (a.rfind("--frames", 0) == 0 || a.rfind("--hold", 0) == 0) {
            const std::string count = a + (i + 1 < arguments.size() ? " " + arguments[i + 1] : "");
            size_t digits = 0;
            for (char c : count) {
                digits = c >= '0' && c <= '9' ? digits + 1 : 0;
                if (digits > 2) return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Kept loaded, so each run's load and unload is cheap.
    dlopen(FUZZ_MODULE, RTLD_NOW | RTLD_LOCAL);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        arguments.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (arguments.size() > 64 || !worth_running(arguments)) return 0;
    arguments.insert(arguments.begin(), {"probe", "--module", FUZZ_MODULE});
    std::ostringstream out, err;
    const int status = gaugehost::run_cli(arguments, out, err);
    // Success is the document, or the help a -h asked for ("-hold" is -h
    // and more to CLI11); failure prints nothing on the standard output.
    const std::string printed = out.str();
    const bool help = printed.find("Usage:") != std::string::npos && !printed.starts_with("{");
    if (status == 0 && !help && !nlohmann::json::accept(printed)) __builtin_trap();
    if (status != 0 && !printed.empty()) __builtin_trap();
    return 0;
}
