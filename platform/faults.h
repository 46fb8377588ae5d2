// Injected faults: the platform operations a test can make fail.
#pragma once

namespace gauge_platform {

// Each named operation can be made to fail from one call on.
enum class Fault : unsigned {
    Resource,     // find, load, lock and size a module resource
    Executable,   // the executable's path
    Device,       // creating the audio device
    Cooperative,  // setting its cooperative level
    Buffer,       // creating a secondary buffer
    Lock,         // locking a buffer
    Unlock,       // unlocking it
    Play,         // starting it
    Memory,       // allocating global memory
    Count,
};

bool fault_active(Fault fault);

}  // namespace gauge_platform
