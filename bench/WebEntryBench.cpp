// The web module's entry points compiled natively: converts the given
// records COPIES times through them and prints the milliseconds it took
// (reading the files not counted), for bench/web_bench.js to set against
// the module's time on the same records.
//   noxbin2xml_bench_web COPIES KIND:FILE...     KIND 0 light, 1 material
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" char* noxInput(int which, size_t size);
extern "C" int noxConvert(int kindCode, uint32_t maxDocumentMb);

namespace {

struct Record {
    int kind;
    std::string fileName;
    std::string content;
};

void put(int slot, const std::string& bytes) { std::memcpy(noxInput(slot, bytes.size()), bytes.data(), bytes.size()); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int copies = std::atoi(argv[1]);
    std::vector<Record> records;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::string path = argument.substr(2);
        std::ifstream file(path, std::ios::binary);
        records.push_back({argument[0] - '0', path.substr(path.rfind('/') + 1),
                           std::string(std::istreambuf_iterator<char>(file), {})});
    }
    const auto started = std::chrono::steady_clock::now();
    for (int c = 0; c < copies; ++c) {
        for (const Record& record : records) {
            put(0, record.content);
            put(1, record.fileName);
            put(2, "auto");
            if (noxConvert(record.kind, 256) == 0) return 1;
        }
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - started;
    std::printf("%.3f\n", took.count());
    return 0;
}
