#pragma once

#include <stdexcept>
#include <string>

namespace gaugehost {

// Every failure the host reports to its user: one line naming the
// offending file, gauge, argument or value.
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace gaugehost
