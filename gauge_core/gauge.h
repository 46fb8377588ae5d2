// The records both gauge modules and the host share: gauges, their element
// chains, mouse areas, the three callback kinds and the host-services table.
//
// This is our own layout for running the modules on this host: every field
// the gauges rely on is here, in order, with host-owned fields beside them.
// The records are plain C-compatible structs, filled as constant data with
// designated initializers; nothing here holds logic of a gauge or the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

extern "C" {

struct Gauge;
struct Element;
struct ClickRecord;

typedef int32_t VariableToken;  // a host variable number; 0 = no variable
typedef uint32_t KeyEvent;      // a host key event number, 65536 and up

// ---------------------------------------------------------------------------
// Callback kinds

// Called when the host updates the element; the element's variables are
// already looked up. The result drives the element in place of the value.
typedef double (*ValueCallback)(Element* element);
// Called for a click on a child area; flags are those of the click.
typedef int32_t (*MouseCallback)(ClickRecord* click, uint32_t flags);
// Called with a service code at the stages of an instance's life.
typedef void (*GaugeCallback)(Gauge* gauge, int32_t service, uintptr_t extra);

// The click record a mouse callback receives: the point relative to the
// clicked area, then the gauge instance that was clicked.
struct ClickRecord {
    int32_t x;
    int32_t y;
    Gauge* gauge;
};

// ---------------------------------------------------------------------------
// Service codes (the extra word of code 2 is the module's handle)

enum : int32_t {
    kServiceInstall = 2,
    kServicePreUpdate = 6,
    kServicePreKill = 12,
    kServiceKill = 13,
    kServiceConnect = 14,
};

// ---------------------------------------------------------------------------
// Variables, tables, failures

struct ModuleVariable {
    VariableToken token;
    void* host_pointer;
    int32_t host_type;
    // The current value; for the integer-form tokens (radio codes, status
    // words) the host stores a 32-bit code in the first 32 bits instead.
    double value;
    double host_value;
};

struct CalibrationPoint {
    int32_t x;
    int32_t y;
    double value;
    int32_t unused;
};

enum : uint32_t {
    kFailureActionNone = 0,
    kFailureActionFreeze = 1,
    kFailureActionZero = 2,
    kFailureActionHide = 3,
};

// A list ended by an entry whose key is 0.
struct FailureBinding {
    uint32_t key;
    uint32_t action;
    uint32_t reserved;
};

// ImageFlags bits.
enum : uint32_t {
    kImageDraw1 = 0x1,
    kImageDraw2 = 0x2,
    kImageLamp = 0x4,
    kImageMoving = 0x80,
    kImageLit = 0x4000,
    kImageHidden = 0x40000000,
    kImageHostBit = 0x80000000,
};

// The flag words the gauges' data uses.
enum : uint32_t {
    kDrawPlain = kImageDraw1 | kImageDraw2,                  // 0x3: plates, bezels, switches
    kDrawLamp = kDrawPlain | kImageLamp,                     // 0x7: lamp images
    kDrawMoving = kDrawPlain | kImageMoving,                 // 0x83: images inside windows
    kDrawLit = kDrawPlain | kImageLit,                       // 0x4003: instrument faces
    kDrawLitMoving = kDrawPlain | kImageMoving | kImageLit,  // 0x4083: their needles, drums, sprites
};

// ---------------------------------------------------------------------------
// Elements

enum : uint32_t {
    kKindStaticImage = 0,
    kKindNeedle = 1,
    kKindString = 2,
    kKindSlider = 3,
    kKindIcon = 4,
    kKindMovingImage = 5,
    kKindSprite = 6,
};

inline constexpr uint32_t kNoBitmap = 0xFFFFFFFFu;

// Common fields of every element kind. Every kind record starts with one.
struct Element {
    uint32_t kind;
    uint32_t bitmap;
    int32_t x;
    int32_t y;
    int32_t host_x;
    int32_t host_y;
    int32_t pivot_x;
    int32_t pivot_y;
    Gauge* gauge;
    void* host_reference;
    Element** following;  // null-terminated list of children, or null
    FailureBinding* failures;
    uint32_t image_flags;
    uint32_t special_flags;
    uint32_t reserved;
};

struct StaticImage {
    Element header;
};

struct Needle {
    Element header;
    ModuleVariable variable;
    CalibrationPoint* table;
    uint32_t table_count;
    ValueCallback callback;
};

struct StringElement {
    Element header;
    ModuleVariable variables[3];
    char* text;              // host: the buffer the callback writes into
    uint32_t text_capacity;  // host: its size in bytes, NUL included
    int32_t box_width;
    int32_t box_height;
    uint32_t text_colour;
    uint32_t background_colour;
    uint32_t highlight_colour;
    const char* font_name;
    int32_t font_weight;
    uint32_t char_set;
    uint32_t font_setting;
    uint32_t text_flags;
    ValueCallback callback;
};

struct Slider {
    Element header;
    ModuleVariable x_variable;
    double x_scale;
    ModuleVariable y_variable;
    double y_scale;
    ValueCallback x_callback;
    ValueCallback y_callback;
};

struct Icon {
    Element header;
    ModuleVariable variable;
    uint32_t switch_setting;
    double scale;
    uint32_t image_count;
    ValueCallback callback;
};

struct MovingImage {
    Element header;
    ModuleVariable x_variable;
    double x_min;
    double x_max;
    ModuleVariable y_variable;
    double y_min;
    double y_max;
    ValueCallback x_callback;
    ValueCallback y_callback;
};

struct Sprite {
    Element header;
    ModuleVariable x_variable;
    double x_scale;
    ModuleVariable y_variable;
    double y_scale;
    ModuleVariable rotation_variable;
    double rotation_scale;
    float texture_scale_x;
    float texture_scale_y;
    ValueCallback x_callback;
    ValueCallback y_callback;
    ValueCallback rotation_callback;
};

// ---------------------------------------------------------------------------
// Mouse areas

enum : uint32_t {
    kMouseEnd = 0,
    kMouseParent = 1,
    kMouseChild = 2,
    kMouseEndParent = 3,
};

enum : uint32_t {
    kClickLeft = 0x20000000,
    kClickRepeatBit = 0x00200000,
    kClickMoveBit = 0x00800000,
    kClickLeftRepeat = kClickLeft | kClickRepeatBit,
    kClickLeftDrag = kClickLeft | kClickMoveBit,
};

enum : int32_t {
    kCursorNone = -1,
    kCursorUp = 1,
    kCursorDown = 2,
    kCursorPush = 5,
};

struct MouseArea {
    uint32_t kind;
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    int32_t cursor;
    uint32_t help_id;
    uint32_t click_flags;
    KeyEvent event;
    MouseCallback callback;
    uint32_t reserved;
};

// ---------------------------------------------------------------------------
// Gauges and the module entry records

typedef uint32_t (*RoutineSlot)(void);
typedef uint32_t (*RoutineSlotArg)(uint32_t argument);

inline constexpr uint32_t kGaugeHeaderVersion = 800;

struct Gauge {
    uint32_t version;
    const char* name;
    Element** elements;  // null-terminated list holding the root element
    RoutineSlot query;
    RoutineSlotArg install;
    RoutineSlot initialize;
    RoutineSlot update;
    RoutineSlotArg generate;
    RoutineSlot draw;
    RoutineSlot kill;
    uint32_t reserved;
    uint32_t width_mm;
    uint32_t height;
    uint32_t host_fields[7];
    MouseArea* mouse_areas;
    GaugeCallback callback;
    uint32_t user_data;
    char* parameters;  // host: the instance's parameter string
    void* host_instance;
    uintptr_t host_words[3];
};

// The host's services, reached by the modules through their ImportTable.
struct HostServices {
    int32_t (*lookup_var)(ModuleVariable* variable);
    int32_t (*trigger_key_event)(KeyEvent event, uint32_t value);
    int32_t (*panel_window_toggle)(uint32_t window);
    uint32_t (*element_list_query)(Element* root);
    uint32_t (*element_list_install)(Element* root, uint32_t argument);
    uint32_t (*element_list_initialize)(Element* root);
    uint32_t (*element_list_update)(Element* root);
    uint32_t (*element_list_generate)(Element* root, uint32_t argument);
    uint32_t (*element_list_draw)(Element* root);
    uint32_t (*element_list_kill)(Element* root);
};

inline constexpr uint32_t kImportPanelServices = 0x0F;

struct ImportEntry {
    uint32_t id;
    void* pointer;  // filled by the host
};

struct ImportTableRecord {
    ImportEntry entries[2];  // {0x0F, services}, {0, null}
};

inline constexpr uint32_t kLinkageModuleId = 0x13;
inline constexpr uint32_t kLinkageVersion = 0x800;

struct Linkage {
    uint32_t module_id;
    void (*module_init)(void);
    void (*module_deinit)(void);
    uint32_t flags;
    uint32_t priority;
    uint32_t version;
    Gauge* const* gauge_table;  // ordered, ended by a null reference
};

typedef Gauge* const* GaugeTable;

}  // extern "C"

// The host and the modules rely on these being plain data with the common
// element fields first.
static_assert(std::is_standard_layout_v<Element>);
static_assert(std::is_trivially_copyable_v<Gauge>);
static_assert(offsetof(Needle, header) == 0 && offsetof(StringElement, header) == 0 && offsetof(Slider, header) == 0 &&
              offsetof(Icon, header) == 0 && offsetof(MovingImage, header) == 0 && offsetof(Sprite, header) == 0 &&
              offsetof(StaticImage, header) == 0);
static_assert(offsetof(ModuleVariable, token) == 0 &&
              offsetof(ModuleVariable, value) > offsetof(ModuleVariable, host_type));
static_assert(offsetof(ClickRecord, gauge) > offsetof(ClickRecord, y));
static_assert(offsetof(Linkage, gauge_table) > offsetof(Linkage, version));
static_assert(sizeof(ImportTableRecord) == 2 * sizeof(ImportEntry));

#include <cstring>

// The kind record behind an element's common fields.
template <class Kind>
inline Kind* element_as(Element* element) {
    return reinterpret_cast<Kind*>(element);
}

// The 32-bit code the host keeps in the first 32 bits of an integer-form
// variable's value (radio frequencies, status words).
inline uint32_t variable_code(const ModuleVariable& variable) {
    uint32_t code;
    std::memcpy(&code, &variable.value, sizeof code);
    return code;
}
