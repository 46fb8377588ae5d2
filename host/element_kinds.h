// The element kinds as one table: for each kind, what the host needs to
// copy, drive, draw and describe an element of it. Adding a kind is adding
// a row.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "bitmaps.h"
#include "gauge.h"
#include "value_flow.h"
#include "variables.h"

namespace gaugehost {

// Where a drawing op takes its bitmaps from: surfaces by id, null when the
// bitmap is missing.
class DrawContext {
public:
    virtual ~DrawContext() = default;
    virtual cairo_surface_t* surface(uint32_t id) = 0;
};

// Named fields of an element's description, written by the front end in its
// own format.
class FieldSink {
public:
    virtual ~FieldSink() = default;
    virtual void number(const char* key, double value) = 0;  // null when not finite
    virtual void integer(const char* key, int64_t value) = 0;
    virtual void null(const char* key) = 0;
    virtual void pair(const char* key, double a, double b) = 0;
    virtual void string(const char* key, const std::string& value) = 0;
    // The variable token an axis reads.
    virtual void token(const char* key, VariableToken token) = 0;
};

struct ElementKind {
    const char* name;
    size_t record_size;
    // Looks up the element's variables and evaluates each axis (callback or
    // variable), before failure bindings.
    AxisValues (*evaluate)(Element* element, ElementState& state, const VariableStore& variables,
                           CallbackRunner& runner);
    // The drawing quantities from the drawn values.
    void (*derive)(const Element* element, ElementState& state, const BitmapSource* bitmaps);
    // Draws a shown element in pixels of the gauge's root bitmap.
    void (*draw)(cairo_t* cr, const Element* element, const ElementState& state, DrawContext& bitmaps);
    // The kind's own fields of the element as drawn.
    void (*describe)(const Element* element, const ElementState& state, FieldSink& sink);
};

// The row of a kind, null for an unknown kind.
const ElementKind* element_kind(uint32_t kind);

}  // namespace gaugehost
