#include "panel_config.h"

#include <ini.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>

#include "error.h"
#include "files.h"
#include "text.h"

namespace gaugehost {
namespace {

std::vector<std::string> split(const std::string& s, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t at = s.find(separator, start);
        fields.push_back(trim(s.substr(start, at == std::string::npos ? std::string::npos : at - start)));
        if (at == std::string::npos) return fields;
        start = at + 1;
    }
}

std::optional<double> number(const std::string& s) {
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (*end || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string limit_text() {
    return std::to_string(int(kMaxPanelUnits)) + " panel units";
}

// "WindowNN" (case-insensitive) with a number.
bool is_window_section(const std::string& section) {
    const std::string s = lower(section);
    if (s.size() <= 6 || s.compare(0, 6, "window") != 0) return false;
    for (size_t i = 6; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

struct Parser {
    std::string path;
    std::istream* in = nullptr;
    int line = 0;
    std::string error;  // the first error, with its line
    PanelConfig config;
    std::map<std::string, size_t> windows;      // lower-case section -> index
    std::map<std::string, std::string> titles;  // lower-case WindowNN -> title
    std::map<std::string, int> title_lines;

    bool fail(const std::string& why) {
        if (error.empty()) error = path + ":" + std::to_string(line) + ": " + why;
        return false;
    }

    PanelWindow& window(const std::string& section) {
        const std::string key = lower(section);
        auto it = windows.find(key);
        if (it == windows.end()) {
            PanelWindow w;
            w.section = section;
            w.line = line;
            config.windows.push_back(std::move(w));
            it = windows.emplace(key, config.windows.size() - 1).first;
        }
        return config.windows[it->second];
    }

    bool gauge_entry(PanelWindow& w, const std::string& key, const std::string& value) {
        const auto fields = split(value, ',');
        const std::string& name = fields[0];
        const auto bang = name.find('!');
        if (bang == std::string::npos || bang == 0 || bang + 1 == name.size())
            return fail(key + ": expected Module!Gauge, x, y[, w, h, parameters], got '" + value + "'");
        PanelGauge g;
        g.key = key;
        g.module = trim(name.substr(0, bang));
        // Found only in the module folders: a path would load any library.
        if (g.module.find_first_of("/\\") != std::string::npos || g.module == "." || g.module == ".." ||
            g.module.find('\0') != std::string::npos)
            return fail(key + ": module '" + g.module + "' must be a plain module name, without a folder");
        g.gauge = trim(name.substr(bang + 1));
        g.line = line;
        if (fields.size() < 3) return fail(key + ": " + name + " needs a position x, y");
        const char* what[] = {"x", "y", "width", "height"};
        std::optional<double> v[4];
        for (size_t i = 0; i < 4 && i + 1 < fields.size(); ++i) {
            if (i >= 2 && fields[i + 1].empty()) continue;  // an empty size keeps the default
            v[i] = number(fields[i + 1]);
            if (!v[i]) return fail(key + ": " + what[i] + " '" + fields[i + 1] + "' is not a number");
            if (i >= 2 && *v[i] <= 0) return fail(key + ": " + what[i] + " '" + fields[i + 1] + "' must be positive");
            if (std::fabs(*v[i]) > kMaxPanelUnits)
                return fail(key + ": " + what[i] + " '" + fields[i + 1] + "' is beyond " + limit_text());
        }
        g.x = *v[0];
        g.y = *v[1];
        g.width = v[2];
        g.height = v[3];
        if (fields.size() > 5) {
            // The parameter string is the rest of the line, commas and all.
            size_t at = 0;
            for (int commas = 0; commas < 5; ++commas) at = value.find(',', at) + 1;
            g.parameters = trim(value.substr(at));
        }
        w.gauges.push_back(std::move(g));
        return true;
    }

    bool entry(const char* section_c, const char* name_c, const char* value_c) {
        const std::string section = section_c, name = name_c, value = trim(value_c);
        const std::string key = lower(name);
        if (lower(section) == "window titles") {
            if (!is_window_section(name)) return true;  // other keys of the section are not ours
            titles[lower(name)] = value;
            title_lines[lower(name)] = line;
            return true;
        }
        if (!is_window_section(section)) return true;  // [Views], [Vcockpit01] and the like
        PanelWindow& w = window(section);
        if (key.compare(0, 5, "gauge") == 0 && key.size() > 5) return gauge_entry(w, name, value);
        if (key == "file") {
            if (!value.empty()) w.file = value;
        } else if (key == "size_mm") {
            const auto f = split(value, ',');
            const auto a = f.size() == 2 ? number(f[0]) : std::nullopt;
            const auto b = f.size() == 2 ? number(f[1]) : std::nullopt;
            if (!a || !b || *a <= 0 || *b <= 0) return fail("size_mm '" + value + "': expected W,H (positive numbers)");
            if (*a > kMaxPanelUnits || *b > kMaxPanelUnits)
                return fail("size_mm '" + value + "': more than " + limit_text() + " a side");
            w.size = {*a, *b};
        } else if (key == "position") {
            w.position = value;
        } else if (key == "visible") {
            if (value != "0" && value != "1") return fail("visible '" + value + "': expected 0 or 1");
            w.visible = value == "1";
        } else if (key == "ident") {
            w.ident = value;
        } else if (key == "background_color") {
            const auto f = split(value, ',');
            std::array<int, 3> c{};
            bool ok = f.size() == 3;
            for (size_t i = 0; ok && i < 3; ++i) {
                const auto v = number(f[i]);
                ok = v && *v >= 0 && *v <= 255 && *v == std::floor(*v);
                if (ok) c[i] = int(*v);
            }
            if (!ok) return fail("background_color '" + value + "': expected R,G,B (0 to 255)");
            w.background_colour = c;
        }
        return true;
    }
};

int on_entry(void* user, const char* section, const char* name, const char* value) {
    return static_cast<Parser*>(user)->entry(section, name, value) ? 1 : 0;
}

// Feeds inih one line at a time, counting lines for our messages.
char* read_line(char* buffer, int size, void* user) {
    auto* parser = static_cast<Parser*>(user);
    std::string text;
    if (!std::getline(*parser->in, text)) return nullptr;
    ++parser->line;
    if (text.find('\0') != std::string::npos) {
        parser->fail("a NUL byte in the line");
        text.clear();
    } else if (text.size() + 2 > size_t(size)) {
        parser->fail("line too long (at most " + std::to_string(size - 2) + " characters)");
        text.clear();
    }
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\n';
    buffer[text.size() + 1] = '\0';
    return buffer;
}

}  // namespace

PanelConfig parse_panel_config(const std::string& text, const std::string& path) {
    std::istringstream in(text);
    Parser parser;
    parser.path = path;
    parser.in = &in;
    parser.config.path = path;
    const int result = ini_parse_stream(read_line, &parser, on_entry, &parser);
    if (!parser.error.empty()) throw HostError(parser.error);
    if (result > 0) throw HostError(path + ":" + std::to_string(result) + ": not a section, key=value or comment");
    if (result < 0) throw HostError(path + ": cannot be read");

    for (const auto& [section, title] : parser.titles) {
        auto it = parser.windows.find(section);
        if (it == parser.windows.end())
            throw HostError(path + ":" + std::to_string(parser.title_lines[section]) + ": [Window Titles] names " +
                            section + " ('" + title + "') but there is no such section");
        parser.config.windows[it->second].title = title;
    }
    for (const PanelWindow& w : parser.config.windows)
        if (!w.size && !w.file)
            throw HostError(path + ":" + std::to_string(w.line) + ": [" + w.section +
                            "] has neither size_mm nor a background file to size it");
    return parser.config;
}

PanelConfig read_panel_config(const std::string& path) {
    return parse_panel_config(read_text_file(path), path);
}

}  // namespace gaugehost
