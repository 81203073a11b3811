// One ordered list of a record's fields drives both reading and writing.
// A class lists its fields once, in record order, calling a RecordFields
// for each; a reader fills the fields from the archive, a writer stores
// them. `since` is the first record version that carries a field: a reader
// passes over the fields its record's version lacks (they keep their
// defaults), a writer writes the newest version and so every field.
//
// The first nested record that fails stops the walk: every later call does
// nothing and ok() stays false.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "serial/QuickArchive.h"
#include "serial/RecordScope.h"

namespace KilnCore {

class BaseTexture;

class RecordFields {
public:
    static RecordFields reader(RecordScope& scope, uint16_t version) { return RecordFields(scope, version); }
    static RecordFields writer(QuickArchive& archive, uint16_t version) { return RecordFields(archive, version); }

    bool reading() const { return scope_ != nullptr; }
    uint16_t version() const { return version_; }
    QuickArchive& archive() const { return archive_; }
    bool ok() const { return ok_; }
    // Ends the walk with a failure; returns false.
    bool fail() { return ok_ = false; }

    // True when the walk goes on and the record carries a field that exists
    // from version `since` up to version `until`.
    bool carries(uint16_t since, uint16_t until = std::numeric_limits<uint16_t>::max()) const {
        return ok_ && version_ >= since && version_ <= until;
    }

    void int32(uint16_t since, int32_t& value);
    void real(uint16_t since, float& value);
    void real64(uint16_t since, double& value);
    void color(uint16_t since, Color& value);
    void transformD(uint16_t since, TransformD& value);
    // A wide string; a reader keeps at most maxUnits UTF-16 units of it.
    void text(uint16_t since, std::string& value, size_t maxUnits = std::string::npos);
    // A wide string that, read empty, leaves the text as it was.
    void textUnlessEmpty(uint16_t since, std::string& value);
    // An int32 written as 0 and dropped on reading.
    void unusedInt32(uint16_t since);
    // A float32 that only versions since..until carry, dropped on reading
    // and not written by the newest version.
    void unusedFloat(uint16_t since, uint16_t until);
    // An embedded object's own record.
    void nested(uint16_t since, TessarSerializable& object);
    // An optional texture: presence byte, then type id and record. A reader
    // stores the texture in the slot before it reads, so one whose read
    // fails stays there with what it read.
    void optionalTexture(uint16_t since, std::shared_ptr<BaseTexture>& slot);

private:
    RecordFields(RecordScope& scope, uint16_t version)
        : archive_(scope.archive()), scope_(&scope), version_(version) {}
    RecordFields(QuickArchive& archive, uint16_t version) : archive_(archive), version_(version) {}

    QuickArchive& archive_;
    RecordScope* scope_ = nullptr;  // set when reading
    uint16_t version_;
    bool ok_ = true;
};

}  // namespace KilnCore
