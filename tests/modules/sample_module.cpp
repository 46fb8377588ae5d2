// A small well-formed module for driving the host end to end: one gauge
// with a needle, a lamp, a clickable knob and a push button that calls back.
#include "gauge.h"

extern "C" ImportTableRecord ImportTable;

namespace {

const HostServices& host() {
    return *static_cast<const HostServices*>(ImportTable.entries[0].pointer);
}

extern Gauge sample_gauge;

double lamp_value(Element* element) {
    ModuleVariable failed{.token = 276};
    host().lookup_var(&failed);
    (void)element;
    return variable_code(failed) != 0 ? 0 : -1;
}

int32_t push(ClickRecord*, uint32_t flags) {
    host().trigger_key_event(66000, flags & kClickRepeatBit ? 2 : 1);
    return 0;
}

void sample_callback(Gauge* gauge, int32_t service, uintptr_t) {
    if (service == kServiceInstall && gauge->parameters) host().panel_window_toggle(50);
}

FailureBinding needle_failures[] = {{.key = 3, .action = kFailureActionZero}, {}};
CalibrationPoint needle_table[] = {{.x = 100, .y = 20, .value = 0}, {.x = 180, .y = 100, .value = 90}};

Icon lamp = {.header = {.kind = kKindIcon, .bitmap = 20, .x = 10, .y = 10, .gauge = &sample_gauge, .image_flags = 0x7},
             .variable = {.token = 0},
             .scale = 1,
             .image_count = 1,
             .callback = lamp_value};
Element* after_needle[] = {&lamp.header, nullptr};
Needle needle = {.header = {.kind = kKindNeedle,
                            .bitmap = 11,
                            .x = 100,
                            .y = 100,
                            .pivot_x = 5,
                            .pivot_y = 5,
                            .gauge = &sample_gauge,
                            .following = after_needle,
                            .failures = needle_failures,
                            .image_flags = 0x4083},
                 .variable = {.token = 61},
                 .table = needle_table,
                 .table_count = 2};
Element* after_face[] = {&needle.header, nullptr};
StaticImage face = {.header = {.kind = kKindStaticImage,
                               .bitmap = 10,
                               .gauge = &sample_gauge,
                               .following = after_face,
                               .image_flags = 0x4003}};
Element* elements[] = {&face.header, nullptr};

MouseArea areas[] = {
    {.kind = kMouseParent, .cursor = kCursorNone, .help_id = 43783},
    {.kind = kMouseParent, .x = 0, .y = 150, .width = 50, .height = 50, .cursor = kCursorNone, .help_id = 43834},
    {.kind = kMouseChild,
     .x = 0,
     .y = 0,
     .width = 25,
     .height = 50,
     .cursor = kCursorDown,
     .click_flags = kClickLeftRepeat,
     .event = 65884},
    {.kind = kMouseChild,
     .x = 25,
     .y = 0,
     .width = 25,
     .height = 50,
     .cursor = kCursorUp,
     .click_flags = kClickLeftRepeat,
     .event = 65883},
    {.kind = kMouseEndParent},
    {.kind = kMouseChild,
     .x = 150,
     .y = 150,
     .width = 50,
     .height = 50,
     .cursor = kCursorPush,
     .click_flags = kClickLeftRepeat,
     .callback = push},
    {.kind = kMouseEndParent},
    {.kind = kMouseEnd},
};

Gauge sample_gauge = {.version = kGaugeHeaderVersion,
                      .name = "Sample_Needle",
                      .elements = elements,
                      .width_mm = 50,
                      .mouse_areas = areas,
                      .callback = sample_callback};

Gauge* const table[] = {&sample_gauge, nullptr};

}  // namespace

extern "C" {
__attribute__((visibility("default")))
ImportTableRecord ImportTable = {{{kImportPanelServices, nullptr}, {0, nullptr}}};
__attribute__((visibility("default")))
Linkage Linkage = {.module_id = kLinkageModuleId, .version = kLinkageVersion, .gauge_table = table};
}
