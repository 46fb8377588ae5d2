// The module's one way to the host: every call to HostServices goes through
// host(), which reads the services pointer the host wrote into ImportTable
// before it called anything of the module.
#pragma once

#include "gauge.h"

extern "C" ImportTableRecord ImportTable;

namespace tervalin {

inline const HostServices& host() {
    return *static_cast<const HostServices*>(ImportTable.entries[0].pointer);
}

// A fresh local variable record, looked up now.
inline ModuleVariable lookup(VariableToken token) {
    ModuleVariable variable{};
    variable.token = token;
    host().lookup_var(&variable);
    return variable;
}

inline void send_event(KeyEvent event, uint32_t value = 0) {
    host().trigger_key_event(event, value);
}

}  // namespace tervalin
