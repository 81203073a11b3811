// Helper for the benchmark scripts:
//   noxbin2xml_bench_tool dump DIR          writes the representative records
//                                           (host form) as DIR/material.bin
//                                           and DIR/light.bin
//   noxbin2xml_bench_tool run WHAT COUNT [N] converts COUNT times, for
//                                           instruction counts under callgrind;
//                                           WHAT is material, light or library
//                                           (a library of N materials, read and
//                                           every document written)
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "BenchRecords.h"
#include "LibraryRun.h"
#include "lights/LightConversion.h"
#include "materials/MaterialConversion.h"

using namespace KilnCore;

namespace {

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

size_t convertMany(const std::vector<uint8_t>& bytes, int32_t type, bool material, long count) {
    size_t total = 0;
    for (long i = 0; i < count; ++i) {
        QuickArchive archive(bytes.data(), bytes.size());
        std::string xml;
        const bool ok = material ? convertMaterialRecord(archive, type, xml) : convertLightRecord(archive, type, xml);
        if (!ok) return 0;
        total += xml.size();
    }
    return total;
}

int usage() {
    std::cerr << "usage: noxbin2xml_bench_tool dump DIR | run material|light|library COUNT [N]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const std::string command = argv[1];
    if (command == "dump") {
        const std::string dir = argv[2];
        return writeFile(dir + "/material.bin", bench::materialRecord()) &&
                       writeFile(dir + "/light.bin", bench::lightRecord())
                   ? 0
                   : 1;
    }
    if (command != "run" || argc < 4) return usage();
    const std::string what = argv[2];
    const long count = std::atol(argv[3]);
    size_t total = 0;
    if (what == "material") {
        total = convertMany(bench::materialRecord(), bench::kRepresentativeMaterialType, true, count);
    } else if (what == "light") {
        total = convertMany(bench::lightRecord(), bench::kRepresentativeLightType, false, count);
    } else if (what == "library") {
        const QuickArchive record = bench::libraryRecord(argc > 4 ? std::atol(argv[4]) : 1000);
        for (long i = 0; i < count; ++i) total += bench::readLibraryAndWriteDocuments(record);
    } else {
        return usage();
    }
    std::printf("%zu bytes of XML\n", total);
    return total > 0 ? 0 : 1;
}
