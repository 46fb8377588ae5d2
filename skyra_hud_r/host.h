// The display module's one way to the host: every call to HostServices goes
// through host(), which reads the services pointer the host wrote into
// ImportTable before it called anything of the module.
#pragma once

#include "gauge.h"

extern "C" ImportTableRecord ImportTable;

namespace skyra_hud {

inline const HostServices& host() {
    return *static_cast<const HostServices*>(ImportTable.entries[0].pointer);
}

inline void send_event(KeyEvent event, uint32_t value = 0) {
    host().trigger_key_event(event, value);
}

}  // namespace skyra_hud
