// The module's entry records: ImportTable, through which the host hands us
// its services, and Linkage, which publishes the gauge table.
#include "core/gauges.h"
#include "core/host.h"

namespace {

void module_init() {}
void module_deinit() {}

// In the order of the final table of 71; a gauge appears once it is built.
constinit Gauge* const gauge_table[] = {
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
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .priority = 0,
    .version = kLinkageVersion,
    .gauge_table = gauge_table,
};

}  // extern "C"

static_assert(sizeof gauge_table / sizeof gauge_table[0] >= 1, "the table ends with a null reference");
