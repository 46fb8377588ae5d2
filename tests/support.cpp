// The helpers shared by the tests.
#include "support.h"

#include <fcntl.h>
#include <gelf.h>
#include <gtest/gtest.h>
#include <libelf.h>
#include <unistd.h>

#include <sstream>

#include "cli.h"

namespace test_support {

CliResult run_gaugehost(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    CliResult result;
    result.status = gaugehost::run_cli(arguments, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

CliResult probe(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{"probe", "--module", TERVALIN_GAU};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return run_gaugehost(all);
}

nlohmann::json probe_document(const std::vector<std::string>& arguments) {
    const CliResult result = probe(arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    return result.status == 0 ? result.json() : nlohmann::json::object();
}

std::vector<Element*> definition_chain(const Gauge& gauge) {
    std::vector<Element*> out;
    for (Element* e = gauge.elements[0]; e; e = e->following ? e->following[0] : nullptr) out.push_back(e);
    return out;
}

ElfSymbols read_elf_symbols(const std::string& path) {
    ElfSymbols result;
    elf_version(EV_CURRENT);
    const int fd = open(path.c_str(), O_RDONLY);
    Elf* elf = elf_begin(fd, ELF_C_READ, nullptr);
    for (Elf_Scn* scn = elf_nextscn(elf, nullptr); scn; scn = elf_nextscn(elf, scn)) {
        GElf_Shdr header;
        gelf_getshdr(scn, &header);
        Elf_Data* data = elf_getdata(scn, nullptr);
        if (header.sh_type == SHT_DYNSYM || header.sh_type == SHT_SYMTAB) {
            const size_t count = header.sh_size / header.sh_entsize;
            for (size_t i = 0; i < count; ++i) {
                GElf_Sym sym;
                gelf_getsym(data, int(i), &sym);
                const std::string name = elf_strptr(elf, header.sh_link, sym.st_name);
                result.all.insert(name);
                const int bind = GELF_ST_BIND(sym.st_info);
                if (header.sh_type == SHT_DYNSYM && sym.st_shndx != SHN_UNDEF && !name.empty() &&
                    (bind == STB_GLOBAL || bind == STB_WEAK))
                    result.dynamic_defined.insert(name);
            }
        } else if (header.sh_type == SHT_DYNAMIC) {
            const size_t count = header.sh_size / header.sh_entsize;
            for (size_t i = 0; i < count; ++i) {
                GElf_Dyn dyn;
                gelf_getdyn(data, int(i), &dyn);
                if (dyn.d_tag == DT_SONAME) result.soname = elf_strptr(elf, header.sh_link, dyn.d_un.d_val);
            }
        }
    }
    elf_end(elf);
    close(fd);
    return result;
}

}  // namespace test_support
