// make_samples: writes the bundled sample records (samples/) with this
// project's own record writers, or checks that the bundled ones are what it
// would write.
//
//   make_samples DIR          write the samples under DIR
//   make_samples --check DIR  compare DIR with the samples; exit 1 on any difference
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "SampleSet.h"

namespace {

// The form a maintainer copies out of the host's Ruby console: the whole
// block image of the record (zero-padded to 4096 bytes) as "[n, n, ...]".
std::vector<uint8_t> consoleText(std::vector<uint8_t> bytes) {
    bytes.resize((bytes.size() + 4095) / 4096 * 4096);
    std::string text = "[";
    for (size_t i = 0; i < bytes.size(); ++i) text += (i ? ", " : "") + std::to_string(bytes[i]);
    text += "]\n";
    return {text.begin(), text.end()};
}

void addTextSamples(samples::SampleSet& set) {
    for (const char* path : {"lights/omni-2.rec", "materials/layered-1.rec"})
        for (const auto& sample : set.all())
            if (sample.path == path) {
                const std::string name = sample.path.substr(sample.path.find('/') + 1);
                set.addBytes("text/" + name.substr(0, name.size() - 4) + ".txt", consoleText(sample.bytes));
                break;
            }
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    const bool help = argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
    // An option it does not know is never taken for the folder DIR.
    if ((argc != 2 && !check) || help || argv[argc - 1][0] == '-') {
        std::fprintf(help ? stdout : stderr, "usage: make_samples [--check] DIR\n");
        return help ? 0 : 2;
    }
    samples::SampleSet set;
    samples::addLightSamples(set);
    samples::addMaterialSamples(set);
    samples::addOldRecordSamples(set);
    samples::addSceneSamples(set);
    samples::addBrokenSamples(set);
    addTextSamples(set);

    const char* root = argv[argc - 1];
    if (check) {
        if (!set.matches(root)) {
            std::fprintf(stderr, "the samples under %s differ from what make_samples writes\n", root);
            return 1;
        }
        std::printf("%zu samples match\n", set.all().size());
        return 0;
    }
    if (!set.writeTo(root)) return 1;
    std::printf("%zu samples written under %s\n", set.all().size(), root);
    return 0;
}
