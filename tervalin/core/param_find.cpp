#include "core/param_find.h"

#include <cstring>

namespace tervalin {

namespace {
constexpr const char* kCommentCharacters[] = {"/", "#", "'"};
}

const char* param_find(const char* text, const char* pattern) {
    if (!text || !pattern || !*pattern) return nullptr;
    const char* found = std::strstr(text, pattern);
    if (!found) return nullptr;
    for (const char* comment : kCommentCharacters) {
        const char* start = std::strstr(text, comment);
        if (start && start < found) return nullptr;
    }
    return found;
}

}  // namespace tervalin
