// The bundled sample records: each is a path under the samples folder and
// the bytes a writer of this project produced for it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "serial/QuickArchive.h"

namespace samples {

class SampleSet {
public:
    // Adds the record `write` puts into a fresh archive (the bytes up to the
    // write position). A writer that reports failure is a bug in the
    // generator: it stops with a message.
    void add(const std::string& path, const std::function<bool(KilnCore::QuickArchive&)>& write);
    // Adds bytes as they are (text samples, hand-damaged records).
    void addBytes(const std::string& path, std::vector<uint8_t> bytes);

    // Writes every sample under root, replacing the files there.
    bool writeTo(const std::filesystem::path& root) const;
    // Compares root with the samples: every file equal byte for byte and no
    // record file that the generator does not make. Differences go to stderr.
    bool matches(const std::filesystem::path& root) const;

    struct Sample {
        std::string path;
        std::vector<uint8_t> bytes;
    };
    const std::vector<Sample>& all() const { return samples_; }

private:
    std::vector<Sample> samples_;
};

// The bytes written to an archive so far.
std::vector<uint8_t> writtenBytes(KilnCore::QuickArchive& archive);

void addLightSamples(SampleSet& set);
void addMaterialSamples(SampleSet& set);
void addOldRecordSamples(SampleSet& set);
void addSceneSamples(SampleSet& set);
void addBrokenSamples(SampleSet& set);

}  // namespace samples
