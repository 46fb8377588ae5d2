// The shared routines of the clicking switches and the navigation source
// they select.
#include "controls/switches.h"

#include "controls/nav_source.h"
#include "radios/radio_head.h"

namespace tervalin {

int32_t ils_selected = 1;

double light_switch_value(Element* element) {
    return element_as<Icon>(element)->variable.value > 0 ? 2 : 1;
}

double smoke_switch_value(Element* element) {
    return element_as<Icon>(element)->variable.value > 0 ? 1 : 0;
}

double ils_lamp_value(Element*) {
    return nav1_head.powered ? ils_selected : 0;
}

double tacan_lamp_value(Element*) {
    return nav2_head.powered ? (ils_selected == 0 ? 1 : 0) : 0;
}

void flip_nav_source() {
    ils_selected = ils_selected == 0 ? 1 : 0;
}

}  // namespace tervalin
