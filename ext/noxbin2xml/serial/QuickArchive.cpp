#include "serial/QuickArchive.h"

#include <algorithm>

#include "serial/Text.h"

namespace KilnCore {

QuickArchive::QuickArchive(size_t blockCount) {
    for (size_t i = 0; i < blockCount; ++i) appendBlock();
}

QuickArchive::QuickArchive(const void* bytes, size_t length) { writeBytes(bytes, length); }

void QuickArchive::clear() {
    blocks_.clear();
    readPos_ = writePos_ = 0;
}

// Fresh blocks are zeroed, so padding and reads past the write position see
// zeros instead of stale memory.
void QuickArchive::appendBlock() { blocks_.push_back(std::make_shared<Block>()); }

void QuickArchive::writeBytes(const void* data, size_t n) {
    const auto* src = static_cast<const uint8_t*>(data);
    while (n > 0) {
        const size_t block = static_cast<size_t>(writePos_ / kBlockSize);
        const size_t offset = static_cast<size_t>(writePos_ % kBlockSize);
        if (block >= blocks_.size()) appendBlock();
        const size_t chunk = std::min(n, kBlockSize - offset);
        std::memcpy(blocks_[block]->data() + offset, src, chunk);
        src += chunk;
        n -= chunk;
        writePos_ += chunk;
    }
}

bool QuickArchive::readBytes(void* data, size_t n) {
    auto* dst = static_cast<uint8_t*>(data);
    const uint64_t end = capacity();
    uint64_t pos = readPos_;
    readPos_ += n;
    if (n == 0) return true;
    // Most reads are a few bytes inside one block: one copy, no loop.
    const size_t offset = static_cast<size_t>(pos % kBlockSize);
    if (pos < end && offset + n <= kBlockSize) {
        std::memcpy(dst, blocks_[static_cast<size_t>(pos / kBlockSize)]->data() + offset, n);
        return true;
    }
    size_t done = 0;
    while (done < n && pos < end) {
        const size_t block = static_cast<size_t>(pos / kBlockSize);
        const size_t offset = static_cast<size_t>(pos % kBlockSize);
        const size_t chunk = static_cast<size_t>(std::min<uint64_t>(n - done, kBlockSize - offset));
        std::memcpy(dst + done, blocks_[block]->data() + offset, chunk);
        done += chunk;
        pos += chunk;
    }
    return done == n;
}

bool QuickArchive::skip(uint64_t n) {
    readPos_ += n;
    return readPos_ <= capacity();
}

void QuickArchive::writeBool(bool v) {
    const uint8_t byte = v ? 1 : 0;
    writeBytes(&byte, 1);
}

bool QuickArchive::readBool(bool& v) {
    uint8_t byte = v ? 1 : 0;
    const bool ok = readBytes(&byte, 1);
    v = byte != 0;
    return ok;
}

// Reads a composite value through a zeroed temporary.
template <class T>
bool QuickArchive::readZeroed(T& value) {
    T tmp{};
    const bool ok = readBytes(&tmp, sizeof tmp);
    value = tmp;
    return ok;
}

void QuickArchive::writeVector(const Vector3& v) { writeBytes(&v, sizeof v); }
bool QuickArchive::readVector(Vector3& v) { return readZeroed(v); }
void QuickArchive::writeColor(const Color& c) { writeBytes(&c, sizeof c); }
bool QuickArchive::readColor(Color& c) { return readZeroed(c); }
void QuickArchive::writeAColor(const AColor& c) { writeBytes(&c, sizeof c); }
bool QuickArchive::readAColor(AColor& c) { return readZeroed(c); }

void QuickArchive::writeMatrix(const Matrix3& m) {
    for (const Vector3& e : m.e) writeVector(e);
}

bool QuickArchive::readMatrix(Matrix3& m) {
    bool ok = true;
    for (Vector3& e : m.e) ok = readVector(e);
    return ok;
}

void QuickArchive::writeTransform(const Transform& t) {
    writeMatrix(t.matrix);
    writeVector(t.offset);
}

bool QuickArchive::readTransform(Transform& t) {
    readMatrix(t.matrix);
    return readVector(t.offset);
}

void QuickArchive::writeTransformD(const TransformD& t) {
    writeMatrix(t.matrix);
    writeVector(Vector3{static_cast<float>(t.offset[0]), static_cast<float>(t.offset[1]),
                        static_cast<float>(t.offset[2])});
}

bool QuickArchive::readTransformD(TransformD& t) {
    readMatrix(t.matrix);
    Vector3 offset;
    const bool ok = readVector(offset);
    t.offset[0] = offset.x;
    t.offset[1] = offset.y;
    t.offset[2] = offset.z;
    return ok;
}

void QuickArchive::writeRect(const Rect& r) {
    writeInt32(r.x0);
    writeInt32(r.y0);
    writeInt32(r.x1);
    writeInt32(r.y1);
}

bool QuickArchive::readRect(Rect& r) {
    readInt32(r.x0);
    readInt32(r.y0);
    readInt32(r.x1);
    const bool ok = readInt32(r.y1);
    // Corners from a record can be anything: the size wraps as 32-bit
    // arithmetic does instead of overflowing.
    r.width = static_cast<int32_t>(static_cast<uint32_t>(r.x1) - static_cast<uint32_t>(r.x0));
    r.height = static_cast<int32_t>(static_cast<uint32_t>(r.y1) - static_cast<uint32_t>(r.y0));
    r.reserved0 = r.reserved1 = 0;
    return ok;
}

void QuickArchive::writeString(const std::string& s) {
    writeUInt32(static_cast<uint32_t>(s.size()));
    writeBytes(s.data(), s.size());
}

bool QuickArchive::readCountedBytes(std::string& out) {
    uint32_t count = 0;
    bool ok = readUInt32(count);
    out.clear();
    if (count == 0) return ok;
    // Only the bytes the archive holds are copied; the rest are absent.
    const size_t available = static_cast<size_t>(std::min<uint64_t>(count, remaining()));
    out.resize(available);
    ok = readBytes(out.data(), available);
    ok = skip(count - available) && ok;
    const size_t zero = out.find('\0');
    if (zero != std::string::npos) out.resize(zero);
    return ok;
}

bool QuickArchive::readString(std::string& s) { return readCountedBytes(s); }

void QuickArchive::writeWString(const std::string& s) {
    const size_t zero = s.find('\0');
    const size_t length = zero == std::string::npos ? s.size() : zero;
    writeUInt32(static_cast<uint32_t>(length));
    writeBytes(s.data(), length);
}

bool QuickArchive::readWString(std::string& s) {
    std::string bytes;
    const bool ok = readCountedBytes(bytes);
    s = decodeLegacyText(bytes);
    return ok;
}

void QuickArchive::writeByteArray(const void* data, uint32_t count) {
    writeUInt32(count);
    writeBytes(data, count);
}

uint32_t QuickArchive::readByteArray(void* buffer, uint32_t capacity, bool rewindOnMismatch) {
    const uint64_t start = readPos_;
    uint32_t count = 0;
    readUInt32(count);
    readBytes(buffer, std::min(count, capacity));
    if (count == capacity) return count;
    if (rewindOnMismatch) {
        readPos_ = start;
        return count;
    }
    if (count > capacity) skip(count - capacity);
    return count;
}

}  // namespace KilnCore
