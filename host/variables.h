// The host's variables: doubles by token, the integer-form tokens holding a
// 32-bit code in the first 32 bits of the value, the clock and the active
// failure keys.
#pragma once

#include <cstdint>
#include <map>
#include <set>

#include "gauge.h"
#include "host_numbers.h"

namespace gaugehost {

class VariableStore {
public:
    // Radio and transponder codes and status words.
    static bool is_integer_form(VariableToken token);

    // Sets a variable from a number; an integer-form token takes the
    // number as its code.
    void set(VariableToken token, double value);
    void set_code(VariableToken token, uint32_t code);

    // The value slot as a module reads it.
    double slot(VariableToken token) const;
    // The number a variable stands for: the code for integer-form tokens.
    double number(VariableToken token) const;
    uint32_t code(VariableToken token) const;

    // Fills a module's variable record as lookup_var does.
    void look_up(ModuleVariable& variable) const;

    void set_failure(uint32_t key, bool active);
    bool failure_active(uint32_t key) const { return failures_.count(key) != 0; }
    const std::set<uint32_t>& failures() const { return failures_; }

    const std::map<VariableToken, double>& slots() const { return slots_; }

private:
    std::map<VariableToken, double> slots_;
    std::set<uint32_t> failures_;
};

// A double whose first 32 bits hold the code and the rest are zero.
double code_slot(uint32_t code);
// The code for a number given to an integer-form token.
uint32_t code_from_number(double value);

}  // namespace gaugehost
