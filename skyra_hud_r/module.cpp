// The display module's entry records: ImportTable, through which the host
// hands us its services, and Linkage, which publishes the one gauge.
#include "gauges.h"
#include "host.h"

namespace {

void hud_module_init() {}
void hud_module_deinit() {}

constinit Gauge* const gauge_table[] = {
    &skyra_hud_r_gauge,
    nullptr,
};

}  // namespace

extern "C" {

__attribute__((visibility("default"))) constinit ImportTableRecord ImportTable = {{
    {.id = kImportPanelServices, .pointer = nullptr},
    {.id = 0, .pointer = nullptr},
}};

__attribute__((visibility("default"))) constinit Linkage Linkage = {
    .module_id = kLinkageModuleId,
    .module_init = hud_module_init,
    .module_deinit = hud_module_deinit,
    .flags = 0,
    .priority = 0,
    .version = kLinkageVersion,
    .gauge_table = gauge_table,
};

}  // extern "C"
