// Engine-index retargeting: one gauge definition, drawn on the host
// variables of engine 1, serves any of four engines. At install the
// instance's parameter string names the engine, and every per-engine
// token and key event of that instance's elements and mouse areas is moved
// to the same item of that engine.
#pragma once

#include <cstdint>

#include "gauge.h"

namespace tervalin {

// The gauge callback of the per-engine gauges: retargets the instance at
// install (service code 2); every other code is ignored.
void engine_gauge_callback(Gauge* gauge, int32_t service, uintptr_t extra);

// 1 ... 4 from the instance's parameter string: "1" wins over any other
// digit, then "2", "3", "4"; no string or no usable digit is engine 1.
int engine_index(const Gauge* gauge);

// The run length of the per-engine block a number belongs to (its engine-1
// run only), or 0 for a number that is not per-engine.
int32_t token_engine_stride(VariableToken token);
uint32_t event_engine_stride(KeyEvent event);

VariableToken retarget_token(VariableToken token, const Gauge* gauge);
KeyEvent retarget_event(KeyEvent event, const Gauge* gauge);

// The walks over an instance's element tree (every variable of every kind)
// and over its mouse areas (child areas only). Null arguments do nothing.
void retarget_element_list(Element** list, const Gauge* gauge);
void retarget_element(Element* element, const Gauge* gauge);
void retarget_mouse_areas(MouseArea* first, const Gauge* gauge);

}  // namespace tervalin
