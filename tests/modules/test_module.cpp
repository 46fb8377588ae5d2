// Deliberately faulty modules, for the loader's errors.
#include "gauge.h"

#ifndef TEST_MODULE_ID
#define TEST_MODULE_ID 0x13
#endif
#ifndef TEST_MODULE_VERSION
#define TEST_MODULE_VERSION 0x800
#endif

namespace {
Gauge* const table[] = {nullptr};
}

extern "C" {
__attribute__((visibility("default")))
Linkage Linkage = {.module_id = TEST_MODULE_ID, .version = TEST_MODULE_VERSION, .gauge_table = table};
#ifndef TEST_NO_IMPORTS
__attribute__((visibility("default")))
ImportTableRecord ImportTable = {{{kImportPanelServices, nullptr}, {0, nullptr}}};
#endif
}
