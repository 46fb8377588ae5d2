#include "variables.h"

#include <cmath>
#include <cstring>

namespace gaugehost {

bool VariableStore::is_integer_form(VariableToken token) {
    switch (token) {
        // radio and transponder codes
        case 16:
        case 18:
        case 23:
        case 24:
        case 27:
        case 38:
        case 870:
        // status words
        case 43:
        case 46:
        case 52:
        case 55:
        case 276:
        case 279:
        case 285:
        case 355: return true;
        default: return false;
    }
}

double code_slot(uint32_t code) {
    double slot = 0.0;
    std::memcpy(&slot, &code, sizeof code);
    return slot;
}

uint32_t code_from_number(double value) {
    if (!std::isfinite(value)) return 0;
    // Whole numbers, taken modulo 2^32 so that -1 gives 0xFFFFFFFF.
    return uint32_t(int64_t(std::fmod(std::trunc(value), 4294967296.0)));
}

void VariableStore::set(VariableToken token, double value) {
    if (is_integer_form(token))
        set_code(token, code_from_number(value));
    else
        slots_[token] = value;
}

void VariableStore::set_code(VariableToken token, uint32_t code) {
    slots_[token] = code_slot(code);
}

double VariableStore::slot(VariableToken token) const {
    auto it = slots_.find(token);
    return it == slots_.end() ? 0.0 : it->second;
}

uint32_t VariableStore::code(VariableToken token) const {
    const double s = slot(token);
    uint32_t code;
    std::memcpy(&code, &s, sizeof code);
    return code;
}

double VariableStore::number(VariableToken token) const {
    return is_integer_form(token) ? double(code(token)) : slot(token);
}

void VariableStore::look_up(ModuleVariable& variable) const {
    variable.value = slot(variable.token);
}

void VariableStore::set_failure(uint32_t key, bool active) {
    if (active)
        failures_.insert(key);
    else
        failures_.erase(key);
}

}  // namespace gaugehost
