// (helpers shared by the tests; no tests of their own)
#include <sstream>

#include "cli.h"
#include "support.h"

namespace test_support {

CliResult run_gaugehost(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    CliResult result;
    result.status = gaugehost::run_cli(arguments, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

CliResult probe(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{"probe", "--module", TERVALIN_GAU};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return run_gaugehost(all);
}

}  // namespace test_support
