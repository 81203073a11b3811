#include "serial/RecordScope.h"

namespace KilnCore {
namespace {

std::string describeRange(uint16_t lo, uint16_t hi) {
    return lo == hi ? std::to_string(lo) : std::to_string(lo) + ".." + std::to_string(hi);
}

}  // namespace

RecordScope::RecordScope(QuickArchive& archive, std::string_view className)
    : archive_(archive), start_(archive.readPos()) {
    archive_.enterRecord();
    tooDeep_ = archive_.depth() > QuickArchive::kMaxDepth;
    if (ReadTrace* trace = archive_.trace()) trace->enter(className, start_);
}

RecordScope::~RecordScope() {
    if (ReadTrace* trace = archive_.trace()) trace->leave();
    archive_.leaveRecord();
}

uint32_t RecordScope::readVersionWord() {
    uint32_t word = 0;
    if (tooDeep_) return word;  // nothing is read below the depth limit
    archive_.readUInt32(word);
    version_ = recordVersion(word);
    if (ReadTrace* trace = archive_.trace()) trace->setVersion(recordVersion(word));
    return word;
}

// Checks the tag, then the version against a set the caller tested;
// `accepted` describes the set for the failure message.
bool RecordScope::checkWord(uint32_t word, bool versionOk, std::string_view accepted, uint16_t tag) {
    if (tooDeep_)
        return fail("records nested deeper than " + std::to_string(QuickArchive::kMaxDepth) + " levels");
    if (recordTag(word) != tag) {
        if (!tracing()) return false;
        return fail("tag " + std::to_string(recordTag(word)) + " not accepted (expects " +
                    std::to_string(tag) + ")");
    }
    if (versionOk) return true;
    if (!tracing()) return false;
    return fail("version " + std::to_string(recordVersion(word)) + " not accepted (reads " +
                std::string(accepted) + ")");
}

bool RecordScope::accept(uint32_t word, uint16_t lo, uint16_t hi, uint16_t tag, bool (*skips)(uint16_t),
                         std::string_view accepted) {
    const uint16_t version = recordVersion(word);
    const bool ok = version >= lo && version <= hi && !(skips && skips(version));
    if (ok || !tracing() || !accepted.empty()) return checkWord(word, ok, accepted, tag);
    return checkWord(word, ok, describeRange(lo, hi), tag);
}

bool RecordScope::failAt(uint64_t offset, std::string_view reason) {
    if (ReadTrace* trace = archive_.trace()) trace->fail(offset, std::string(reason));
    return false;
}

void RecordScope::markChildFailed(uint64_t offset) {
    if (ReadTrace* trace = archive_.trace()) trace->failLastChild(offset, "read failed");
}

void RecordScope::failPart(uint64_t offset, std::string_view reason) {
    partFailed_ = true;
    failAt(offset, reason);
}

}  // namespace KilnCore
