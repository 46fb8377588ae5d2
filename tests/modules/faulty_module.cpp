// A module whose records are wrong in the ways the load-time checks look
// for; every fault is one line here and one row of the validate test.
#include "gauge.h"

extern "C" ImportTableRecord ImportTable;

namespace {

extern Gauge faulty_gauge;
extern Gauge second_gauge;

CalibrationPoint one_entry[] = {{.x = 50, .y = 10, .value = 0}};

// Icon images 20 and 21: 21 is missing.
Icon lamp = {.header = {.kind = kKindIcon, .bitmap = 20, .x = 10, .y = 10, .gauge = &faulty_gauge, .image_flags = 0x7},
             .scale = 1,
             .image_count = 2};
Element* after_plate[] = {&lamp.header, nullptr};
// Bitmap 12 was meant to be 11.
StaticImage plate = {.header = {.kind = kKindStaticImage,
                                .bitmap = 12,
                                .x = 40,
                                .y = 40,
                                .gauge = &faulty_gauge,
                                .following = after_plate,
                                .image_flags = 0x3}};
Element* after_drum[] = {&plate.header, nullptr};
// A 25 x 20 strip behind a 25 x 25 window.
MovingImage drum = {.header = {.kind = kKindMovingImage,
                               .bitmap = 30,
                               .x = 60,
                               .y = 60,
                               .gauge = &faulty_gauge,
                               .following = after_drum,
                               .image_flags = 0x83},
                    .y_min = 0,
                    .y_max = 10};
Element* after_needle[] = {&drum.header, nullptr};
Needle needle = {.header = {.kind = kKindNeedle,
                            .bitmap = 11,
                            .x = 50,
                            .y = 50,
                            .pivot_x = 2,
                            .pivot_y = 2,
                            .gauge = &faulty_gauge,
                            .following = after_needle,
                            .image_flags = 0x4083},
                 .variable = {.token = 61},
                 .table = one_entry,
                 .table_count = 1};
Element* after_face[] = {&needle.header, nullptr};
StaticImage face = {
    .header = {
        .kind = kKindStaticImage, .bitmap = 10, .gauge = &faulty_gauge, .following = after_face, .image_flags = 0x3}};
Element* faulty_elements[] = {&face.header, nullptr};

// The parent is never closed.
MouseArea faulty_areas[] = {
    {.kind = kMouseParent, .cursor = kCursorNone},
    {.kind = kMouseChild,
     .x = 0,
     .y = 0,
     .width = 20,
     .height = 20,
     .cursor = kCursorPush,
     .click_flags = kClickLeft,
     .event = 66000},
    {.kind = kMouseEnd, .cursor = kCursorNone},
};

Gauge faulty_gauge = {.version = kGaugeHeaderVersion,
                      .name = "Faulty",
                      .elements = faulty_elements,
                      .width_mm = 100,
                      .mouse_areas = faulty_areas};

// A second gauge of the same name, its face off the origin.
StaticImage second_face = {
    .header = {.kind = kKindStaticImage, .bitmap = 10, .x = 5, .gauge = &second_gauge, .image_flags = 0x3}};
Element* second_elements[] = {&second_face.header, nullptr};
Gauge second_gauge = {.version = kGaugeHeaderVersion, .name = "Faulty", .elements = second_elements, .width_mm = 100};

Gauge* const gauge_table[] = {&faulty_gauge, &second_gauge, nullptr};

void module_nothing() {}

}  // namespace

extern "C" {
__attribute__((visibility("default")))
ImportTableRecord ImportTable = {{{kImportPanelServices, nullptr}, {0, nullptr}}};
__attribute__((visibility("default"))) Linkage Linkage = {.module_id = kLinkageModuleId,
                                                          .module_init = module_nothing,
                                                          .module_deinit = module_nothing,
                                                          .version = kLinkageVersion,
                                                          .gauge_table = gauge_table};
}
