// RecordScope brackets the reading of one record: it bounds the nesting
// depth, checks the version word, and reports where and why a read failed
// to the archive's trace (when one is attached).
//
// The record engine (Fields.h) opens one per record; records read by hand
// do it themselves:
//   RecordScope rec(ar, "BitmapBuffer");
//   uint16_t version;
//   if (!rec.readVersion(version, 1, 1)) return false;
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
    // Checks a version word against a set the caller tests; `accepted`
    // describes the set for the failure message (e.g. "0..9, 0x10..0x17").
    bool acceptIf(uint32_t word, bool versionOk, std::string_view accepted, uint16_t tag = 0);
    // readVersionWord followed by accept; the version is stored on success.
    bool readVersion(uint16_t& version, uint16_t lo, uint16_t hi, uint16_t tag = 0);

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

    // Records a field of `type` that a record read by hand read from
    // `offset` up to the read position; `value` makes its text only when
    // tracing.
    template <class Value>
    void traceField(std::string_view name, std::string_view type, uint64_t offset, Value&& value) {
        if (ReadTrace* trace = archive_.trace()) trace->field(name, offset, archive_.readPos() - offset, 0, type, value());
    }

private:
    QuickArchive& archive_;
    uint64_t start_;
    bool tooDeep_;
    bool partFailed_ = false;
    uint16_t version_ = 0;
};

}  // namespace KilnCore
