// RecordScope brackets the reading of one record: it bounds the nesting
// depth, checks the version word, and reports where and why a read failed
// to the archive's trace (when one is attached).
// The record engine (Fields.h) opens one per record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "serial/QuickArchive.h"
#include "serial/ReadTrace.h"
#include "serial/Serializable.h"

namespace KilnCore {

class RecordScope {
public:
    RecordScope(QuickArchive& archive, std::string_view className);
    ~RecordScope();
    RecordScope(const RecordScope&) = delete;
    RecordScope& operator=(const RecordScope&) = delete;

    QuickArchive& archive() const { return archive_; }
    uint64_t start() const { return start_; }
    bool tracing() const { return archive_.trace() != nullptr; }

    // Reads the version word (0 when the record has ended).
    uint32_t readVersionWord();
    // The record version of the word read.
    uint16_t version() const { return version_; }
    // Checks a version word: tag must equal `tag` and version lie in lo..hi
    // without being one that `skips` names. `accepted` describes the set for
    // the failure message (the range when empty).
    bool accept(uint32_t word, uint16_t lo, uint16_t hi, uint16_t tag = 0, bool (*skips)(uint16_t) = nullptr,
                std::string_view accepted = {});

    // Records a failure at the record's start or at a given offset; returns false.
    bool fail(std::string_view reason) { return failAt(start_, reason); }
    bool failAt(uint64_t offset, std::string_view reason);
    // Marks the record that a nested read just finished as failed when it did
    // not say why itself.
    void markChildFailed(uint64_t offset);
    // A part of the record failed but the read goes on: the record's read
    // fails once it is done.
    void failPart(uint64_t offset, std::string_view reason);
    bool partFailed() const { return partFailed_; }

private:
    bool checkWord(uint32_t word, bool versionOk, std::string_view accepted, uint16_t tag);

    QuickArchive& archive_;
    uint64_t start_;
    bool tooDeep_;
    bool partFailed_ = false;
    uint16_t version_ = 0;
};

}  // namespace KilnCore
