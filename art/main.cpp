// gauge_art: draws one module's bitmaps, writes them as PNG (8-bit palette
// for the main module, 1-bit for the head-up display), a resource manifest
// for the packer and a contact sheet of every bitmap with its id.
#include <png.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>

#include "art.h"
#include "error.h"
#include "host.h"

namespace art {
extern gaugehost::Host* g_probe_host;
}

namespace {

namespace fs = std::filesystem;
using art::BitmapDrawing;
using art::Depth;

struct Rgb {
    uint8_t r, g, b;
};

struct Indexed {
    std::vector<Rgb> palette;     // index 0 is black, the transparent colour
    std::vector<uint8_t> pixels;  // one index per pixel
};

// Opaque pixels of a drawn surface, unpremultiplied; nullopt = transparent.
std::vector<std::optional<Rgb>> read_surface(cairo_surface_t* surface, int width, int height) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<std::optional<Rgb>> out(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            const unsigned a = p >> 24;
            if (a < 128) continue;
            auto un = [a](unsigned v) { return uint8_t(std::min(255u, (v * 255 + a / 2) / a)); };
            Rgb c{un((p >> 16) & 255), un((p >> 8) & 255), un(p & 255)};
            // Pure black is transparent: shown black becomes near-black.
            if (c.r == 0 && c.g == 0 && c.b == 0) c = {10, 10, 10};
            out[size_t(y) * width + x] = c;
        }
    return out;
}

// An adaptive palette: exact colours when there are few, else the most
// frequent 15-bit colour buckets; every pixel maps to its nearest entry.
Indexed quantize(const std::vector<std::optional<Rgb>>& pixels) {
    Indexed result;
    result.palette.push_back({0, 0, 0});
    std::map<uint32_t, size_t> counts;
    for (const auto& p : pixels)
        if (p) ++counts[uint32_t(p->r) << 16 | uint32_t(p->g) << 8 | p->b];
    std::map<uint32_t, uint8_t> exact;
    if (counts.size() <= 255) {
        for (const auto& [key, count] : counts) {
            exact[key] = uint8_t(result.palette.size());
            result.palette.push_back({uint8_t(key >> 16), uint8_t(key >> 8), uint8_t(key)});
        }
    } else {
        std::map<uint32_t, std::array<uint64_t, 4>> buckets;  // sum r, g, b, count
        for (const auto& [key, count] : counts) {
            const uint32_t b = (key >> 19 & 31) << 10 | (key >> 11 & 31) << 5 | (key >> 3 & 31);
            auto& s = buckets[b];
            s[0] += uint64_t(key >> 16 & 255) * count;
            s[1] += uint64_t(key >> 8 & 255) * count;
            s[2] += uint64_t(key & 255) * count;
            s[3] += count;
        }
        std::vector<std::pair<uint64_t, Rgb>> ranked;
        for (const auto& [b, s] : buckets)
            ranked.push_back({s[3], Rgb{uint8_t(s[0] / s[3]), uint8_t(s[1] / s[3]), uint8_t(s[2] / s[3])}});
        std::sort(ranked.begin(), ranked.end(), [](auto& a, auto& b) { return a.first > b.first; });
        for (size_t i = 0; i < ranked.size() && result.palette.size() < 256; ++i) {
            Rgb c = ranked[i].second;
            if (c.r == 0 && c.g == 0 && c.b == 0) c = {10, 10, 10};
            result.palette.push_back(c);
        }
    }
    std::map<uint32_t, uint8_t> nearest;
    result.pixels.resize(pixels.size(), 0);
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (!pixels[i]) continue;
        const Rgb c = *pixels[i];
        const uint32_t key = uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
        if (auto it = exact.find(key); it != exact.end()) {
            result.pixels[i] = it->second;
            continue;
        }
        auto [it, fresh] = nearest.try_emplace(key, 1);
        if (fresh) {
            long best = LONG_MAX;
            for (size_t k = 1; k < result.palette.size(); ++k) {
                const Rgb& p = result.palette[k];
                const long d =
                    long(p.r - c.r) * (p.r - c.r) + long(p.g - c.g) * (p.g - c.g) + long(p.b - c.b) * (p.b - c.b);
                if (d < best) {
                    best = d;
                    it->second = uint8_t(k);
                }
            }
        }
        result.pixels[i] = it->second;
    }
    return result;
}

bool write_png(const fs::path& path, int width, int height, Depth depth,
               const std::vector<std::optional<Rgb>>& pixels) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    std::vector<std::vector<uint8_t>> rows(height);
    if (depth == Depth::Rgb24) {
        png_set_IHDR(png,
                     info,
                     width,
                     height,
                     8,
                     PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        for (int y = 0; y < height; ++y) {
            rows[y].resize(size_t(width) * 3, 0);
            for (int x = 0; x < width; ++x)
                if (const auto& p = pixels[size_t(y) * width + x]) {
                    rows[y][x * 3] = p->r;
                    rows[y][x * 3 + 1] = p->g;
                    rows[y][x * 3 + 2] = p->b;
                }
        }
    } else if (depth == Depth::Mono1) {
        png_color palette[2] = {{0, 0, 0}, {255, 0, 0}};
        png_set_IHDR(png,
                     info,
                     width,
                     height,
                     1,
                     PNG_COLOR_TYPE_PALETTE,
                     PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(png, info, palette, 2);
        for (int y = 0; y < height; ++y) {
            rows[y].resize((size_t(width) + 7) / 8, 0);
            for (int x = 0; x < width; ++x)
                if (pixels[size_t(y) * width + x]) rows[y][x / 8] |= uint8_t(0x80 >> (x % 8));
        }
    } else {
        const Indexed indexed = quantize(pixels);
        std::vector<png_color> palette;
        for (const Rgb& c : indexed.palette) palette.push_back({c.r, c.g, c.b});
        png_set_IHDR(png,
                     info,
                     width,
                     height,
                     8,
                     PNG_COLOR_TYPE_PALETTE,
                     PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
        for (int y = 0; y < height; ++y)
            rows[y].assign(indexed.pixels.begin() + size_t(y) * width, indexed.pixels.begin() + size_t(y + 1) * width);
    }
    png_write_info(png, info);
    for (auto& row : rows) png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

// Every bitmap on one sheet, each in a cell with its id, over a checker
// pattern that shows what is transparent.
void write_contact_sheet(const fs::path& path, const std::vector<const BitmapDrawing*>& drawings,
                         const std::map<uint32_t, cairo_surface_t*>& drawn) {
    const int cell = 240, label = 28, columns = 6;
    const int rows = std::max<int>(1, int((drawings.size() + columns - 1) / columns));
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, columns * cell, rows * (cell + label));
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.19);
    cairo_paint(cr);
    for (size_t i = 0; i < drawings.size(); ++i) {
        const BitmapDrawing& drawing = *drawings[i];
        const double x0 = double(i % columns) * cell, y0 = double(i / columns) * (cell + label);
        const double scale = std::min(1.0, (cell - 16.0) / std::max(drawing.width, drawing.height));
        const double w = drawing.width * scale, h = drawing.height * scale;
        const double bx = x0 + (cell - w) / 2, by = y0 + (cell - h) / 2;
        for (int cy = 0; cy < int(std::ceil(h / 8)); ++cy)
            for (int cx = 0; cx < int(std::ceil(w / 8)); ++cx) {
                const double shade = (cx + cy) % 2 ? 0.33 : 0.26;
                cairo_set_source_rgb(cr, shade, shade, shade);
                cairo_rectangle(cr, bx + cx * 8, by + cy * 8, std::min(8.0, w - cx * 8), std::min(8.0, h - cy * 8));
                cairo_fill(cr);
            }
        cairo_save(cr);
        cairo_translate(cr, bx, by);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, drawn.at(drawing.id), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
        const std::string text = std::to_string(drawing.id) + "  " + std::to_string(drawing.width) + "x" +
                                 std::to_string(drawing.height) + (drawing.depth == Depth::Mono1 ? " 1bpp" : "");
        art::draw_text_centered(cr, text, x0 + cell / 2.0, y0 + cell + label / 2.0 - 4, 14, "DejaVu Sans", false);
    }
    cairo_surface_write_to_png(sheet, path.c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(sheet);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"gauge_art: draws a gauge module's bitmaps, its resource manifest and a contact sheet."};
    std::string records, module, out;
    app.add_option("--records", records, "the module built without pictures, whose gauges place the marks")->required();
    app.add_option("--module", module, "which module's bitmaps: tervalin or skyra_hud_r")->required();
    app.add_option("--out", out, "output folder")->required();
    CLI11_PARSE(app, argc, argv);

    try {
        gaugehost::Host host;
        host.load_module(records);
        art::g_probe_host = &host;

        std::vector<const BitmapDrawing*> drawings;
        std::set<uint32_t> ids;
        for (const BitmapDrawing& drawing : art::registered_bitmaps()) {
            if (drawing.module != module) continue;
            if (!ids.insert(drawing.id).second)
                throw gaugehost::HostError("bitmap " + std::to_string(drawing.id) + " is drawn twice");
            if (drawing.width <= 0 || drawing.height <= 0)
                throw gaugehost::HostError("bitmap " + std::to_string(drawing.id) + " has no size");
            drawings.push_back(&drawing);
        }
        std::sort(drawings.begin(), drawings.end(), [](auto* a, auto* b) { return a->id < b->id; });

        fs::create_directories(out);
        std::ofstream manifest(fs::path(out) / "manifest.txt.tmp");
        manifest << "# Generated by gauge_art: the " << module << " bitmaps.\n";
        std::map<uint32_t, cairo_surface_t*> drawn;
        for (const BitmapDrawing* drawing : drawings) {
            cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, drawing->width, drawing->height);
            cairo_t* cr = cairo_create(surface);
            art::Canvas canvas{cr, drawing->width, drawing->height};
            drawing->draw(canvas);
            cairo_destroy(cr);
            const auto pixels = read_surface(surface, drawing->width, drawing->height);
            const std::string name = std::to_string(drawing->id) + ".png";
            if (!write_png(fs::path(out) / name, drawing->width, drawing->height, drawing->depth, pixels))
                throw gaugehost::HostError(out + "/" + name + ": cannot write");
            manifest << "BITMAP " << drawing->id << " " << name << "\n";
            drawn[drawing->id] = surface;
        }
        write_contact_sheet(fs::path(out) / "contact_sheet.png", drawings, drawn);
        for (auto& [id, surface] : drawn) cairo_surface_destroy(surface);
        manifest.close();
        fs::rename(fs::path(out) / "manifest.txt.tmp", fs::path(out) / "manifest.txt");
        art::g_probe_host = nullptr;
        std::cout << "gauge_art: " << drawings.size() << " " << module << " bitmaps in " << out << "\n";
    } catch (const std::exception& e) {
        std::cerr << "gauge_art: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
