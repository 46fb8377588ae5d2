// Packs a module's resources into the pack that the build places in the
// module's resource section. Manifests list one resource a line:
//   TYPE ID FILE        (FILE relative to the manifest; # starts a comment)
#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "gauge_platform/resource_pack.h"

namespace fs = std::filesystem;
using gauge_platform::ResourceItem;

namespace {

bool read_file(const fs::path& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return !in.bad();
}

bool read_manifest(const fs::path& manifest, std::vector<ResourceItem>& items) {
    std::ifstream in(manifest);
    if (!in) {
        std::cerr << "respack: " << manifest.string() << ": cannot open\n";
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (auto hash = line.find('#'); hash != std::string::npos) line.resize(hash);
        std::istringstream fields(line);
        std::string type, id_text, file, extra;
        if (!(fields >> type)) continue;
        const std::string where = manifest.string() + ":" + std::to_string(number) + ": ";
        if (!(fields >> id_text >> file) || (fields >> extra)) {
            std::cerr << "respack: " << where << "expected TYPE ID FILE\n";
            return false;
        }
        char* end = nullptr;
        const unsigned long id = std::strtoul(id_text.c_str(), &end, 0);
        if (*end || id_text.empty() || id > 0xFFFFFFFFul) {
            std::cerr << "respack: " << where << "'" << id_text << "' is not a resource id\n";
            return false;
        }
        ResourceItem item{type, uint32_t(id), {}};
        const fs::path source = manifest.parent_path() / file;
        if (!read_file(source, item.bytes)) {
            std::cerr << "respack: " << where << source.string() << ": cannot read\n";
            return false;
        }
        items.push_back(std::move(item));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Packs gauge module resources (TYPE ID FILE manifests) into a resource pack."};
    std::string output;
    std::vector<std::string> manifests;
    app.add_option("-o,--output", output, "pack file to write")->required();
    app.add_option("manifests", manifests, "resource manifests, in order")->required();
    CLI11_PARSE(app, argc, argv);

    std::vector<ResourceItem> items;
    for (const std::string& manifest : manifests)
        if (!read_manifest(manifest, items)) return 1;
    std::string error;
    const auto pack = gauge_platform::build_resource_pack(items, &error);
    if (!pack) {
        std::cerr << "respack: " << error << "\n";
        return 1;
    }
    const std::string temporary = output + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(pack->data()), std::streamsize(pack->size()));
        if (!out) {
            std::cerr << "respack: " << temporary << ": cannot write\n";
            return 1;
        }
    }
    fs::rename(temporary, output);
    return 0;
}
