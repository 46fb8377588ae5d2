// A gauge module loaded as the simulator's panel system loads it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "bitmaps.h"
#include "gauge.h"

namespace gaugehost {

// What the host takes from a module file without loading it: its
// resources, bitmaps and version block.
struct ModuleFile {
    EncodedBitmaps bitmaps;
    std::map<std::pair<std::string, uint32_t>, std::vector<uint8_t>> resources;
    std::vector<std::pair<std::string, std::string>> version;
};

// Checks the file's ELF headers lie within it ("truncated" when they do
// not), finds the resource section, its directory and version block, and
// refuses a bitmap larger than the host draws. Throws HostError naming the
// file.
ModuleFile read_module_file(const std::string& path);

class LoadedModule {
public:
    // Loads the module, checks its Linkage, fills its services slot and
    // calls its init routine. Throws HostError naming the file on failure.
    LoadedModule(const std::string& path, const HostServices* services);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    const std::string& path() const { return path_; }
    // The module's name: its file name without extension.
    const std::string& name() const { return name_; }
    void* handle() const { return handle_; }
    const Linkage& linkage() const { return *linkage_; }
    const std::vector<Gauge*>& gauges() const { return gauges_; }
    Gauge* find_gauge(const std::string& name) const;
    std::vector<std::string> gauge_names() const;

    const BitmapSource& bitmaps() const { return bitmaps_; }
    // Key=value pairs of the version block, in file order.
    const std::vector<std::pair<std::string, std::string>>& version() const { return version_; }
    // A resource's bytes, or null.
    const std::vector<uint8_t>* resource(const std::string& type, uint32_t id) const;
    // The ids of every resource of that type, ascending.
    std::vector<uint32_t> resource_ids(const std::string& type) const;

    // Calls the deinit routine and unloads; the destructor does it too.
    void unload();

private:
    std::string path_;
    std::string name_;
    void* handle_ = nullptr;
    const Linkage* linkage_ = nullptr;
    std::vector<Gauge*> gauges_;
    EncodedBitmaps bitmaps_;
    std::map<std::pair<std::string, uint32_t>, std::vector<uint8_t>> resources_;
    std::vector<std::pair<std::string, std::string>> version_;
};

}  // namespace gaugehost
