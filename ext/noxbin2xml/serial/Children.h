// The record conventions for owned children, shared by every family:
//   mandatory child: int32 type identifier, then the child's record;
//   optional child:  presence byte, then (when present) the same.
// And the family factories, each a table from type identifier to class.
//
// A family base declares `static constexpr const char* kFamilyNoun` (used in
// failure reasons, e.g. "unknown texture type 13") and a free function
// `create(int32_t, Tag<Base>)` found by argument-dependent lookup.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "serial/RecordScope.h"

namespace KilnCore {

template <class Base>
struct FamilyTag {};

template <class Base>
struct FactoryEntry {
    int32_t id;
    std::shared_ptr<Base> (*make)();
};

template <class Derived, class Base>
std::shared_ptr<Base> makeDefault() {
    return std::make_shared<Derived>();
}

template <class Base, size_t N>
std::shared_ptr<Base> createFromTable(const std::array<FactoryEntry<Base>, N>& table, int32_t id) {
    for (const auto& entry : table)
        if (entry.id == id) return entry.make();
    return {};
}

// Writes a mandatory child; an empty slot cannot be written.
template <class Base>
bool writeChild(QuickArchive& archive, const std::shared_ptr<Base>& child) {
    if (!child) return false;
    archive.writeInt32(child->typeId());
    return child->serialize(archive);
}

// Writes an optional child behind its presence byte.
template <class Base>
bool writeOptionalChild(QuickArchive& archive, const std::shared_ptr<Base>& child) {
    archive.writeBool(child != nullptr);
    return !child || writeChild(archive, child);
}

// Creates a child from the identifier at the read position, puts it in
// `slot` (an unknown identifier leaves the slot empty) and lets it read its
// record; a failed read leaves the child there, read in part. Failures are
// reported on the parent's scope.
template <class Base>
bool readChildInPlace(RecordScope& parent, std::shared_ptr<Base>& slot) {
    QuickArchive& archive = parent.archive();
    const uint64_t at = archive.readPos();
    int32_t id = -1;  // a record that ends here names no child
    archive.readInt32(id);
    if (archive.depth() >= QuickArchive::kMaxDepth) {
        parent.failAt(at, "records nested deeper than " + std::to_string(QuickArchive::kMaxDepth) + " levels");
        return false;
    }
    slot = create(id, FamilyTag<Base>{});
    if (!slot) {
        if (parent.tracing())
            parent.failAt(at, std::string("unknown ") + Base::kFamilyNoun + " type " + std::to_string(id));
        return false;
    }
    if (!slot->deserialize(archive)) {
        parent.markChildFailed(at);
        if (parent.tracing()) parent.failAt(at, std::string("nested ") + Base::kFamilyNoun + " failed");
        return false;
    }
    return true;
}

// Mandatory child: on success the new child replaces the slot's content.
template <class Base>
bool readChild(RecordScope& parent, std::shared_ptr<Base>& slot) {
    std::shared_ptr<Base> child;
    if (!readChildInPlace(parent, child)) return false;
    slot = std::move(child);
    return true;
}

// Optional child: a presence byte of 0 (or a record that has ended) leaves
// the slot as it is; else the child is read by `Read`.
template <class Base, bool (*Read)(RecordScope&, std::shared_ptr<Base>&) = readChild<Base>>
bool readOptionalChild(RecordScope& parent, std::shared_ptr<Base>& slot) {
    bool present = false;
    parent.archive().readBool(present);
    return !present || Read(parent, slot);
}

}  // namespace KilnCore
