// The parameter search shared by every gauge that reads its instance's
// parameter string: engine digits and the panel buttons' command letters.
#pragma once

namespace tervalin {

// Where `pattern` (one character, e.g. "2" or "o") first occurs in `text`,
// or null when it does not, or when a comment character ("/", "#", "'")
// comes before it: everything from the first comment character on is
// ignored. `text` may be any tail of a parameter string; comments are then
// looked for in that tail only. Null or empty arguments find nothing.
const char* param_find(const char* text, const char* pattern);

}  // namespace tervalin
