// Injected faults: the platform operations a test can make fail.
#pragma once

namespace gauge_platform {

// Each named operation can be made to fail from one call on.
enum class Fault : unsigned {
    Resource,    // find, load, lock and size a module resource
    Executable,  // the executable's path
    Count,
};

bool fault_active(Fault fault);

}  // namespace gauge_platform
