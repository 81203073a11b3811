// The byte container of every binary record: a growable run of 4096-byte
// blocks with independent read and write positions and typed little-endian
// primitives.
//
// Reading past the last block never fails hard: the missing bytes leave the
// destination unchanged and the read position still advances, exactly as the
// old records were read. Counts taken from a record never size an allocation
// beyond what the archive still holds, so a hostile count costs nothing.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "serial/Types.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian images of memory");

namespace KilnCore {

class ReadTrace;

class QuickArchive {
public:
    static constexpr size_t kBlockSize = 4096;
    // Records nest children inside children; deeper input than this fails
    // the read instead of exhausting the stack.
    static constexpr int kMaxDepth = 256;

    explicit QuickArchive(size_t blockCount = 0);
    QuickArchive(const void* bytes, size_t length);

    void clear();

    size_t blockCount() const { return blocks_.size(); }
    uint64_t capacity() const { return static_cast<uint64_t>(blocks_.size()) * kBlockSize; }
    uint64_t readPos() const { return readPos_; }
    uint64_t writePos() const { return writePos_; }
    void setReadPos(uint64_t pos) { readPos_ = pos; }
    // Bytes between the read position and the end of the last block.
    uint64_t remaining() const { return readPos_ < capacity() ? capacity() - readPos_ : 0; }
    bool exhausted() const { return readPos_ >= capacity(); }

    // Raw bytes. A read copies what the blocks hold, leaves the rest of the
    // destination unchanged, advances by n and reports whether the last byte
    // was there.
    void writeBytes(const void* data, size_t n);
    bool readBytes(void* data, size_t n);
    bool skip(uint64_t n);

    void writeBool(bool v);
    bool readBool(bool& v);
    void writeInt32(int32_t v) { writeBytes(&v, 4); }
    bool readInt32(int32_t& v) { return readBytes(&v, 4); }
    void writeUInt32(uint32_t v) { writeBytes(&v, 4); }
    bool readUInt32(uint32_t& v) { return readBytes(&v, 4); }
    void writeFloat(float v) { writeBytes(&v, 4); }
    bool readFloat(float& v) { return readBytes(&v, 4); }
    void writeDouble(double v) { writeBytes(&v, 8); }
    bool readDouble(double& v) { return readBytes(&v, 8); }

    // Composite values are read through a zeroed temporary, so a record cut
    // short yields zeros rather than the previous content.
    void writeVector(const Vector3& v);
    bool readVector(Vector3& v);
    void writeColor(const Color& c);
    bool readColor(Color& c);
    void writeAColor(const AColor& c);
    bool readAColor(AColor& c);
    void writeMatrix(const Matrix3& m);
    bool readMatrix(Matrix3& m);
    void writeTransform(const Transform& t);
    bool readTransform(Transform& t);
    // Same 48 bytes; the float64 offset is narrowed on write, widened on read.
    void writeTransformD(const TransformD& t);
    bool readTransformD(TransformD& t);
    void writeRect(const Rect& r);
    bool readRect(Rect& r);

    // uint32 byte count, then the bytes. A zero byte inside ends the text,
    // but the full count is consumed.
    void writeString(const std::string& s);
    bool readString(std::string& s);
    // Text as UTF-8 behind its byte count; reading keeps strict UTF-8 and
    // falls back to Windows-1252 for anything else. Writing stops at the
    // first zero character.
    void writeWString(const std::string& s);
    bool readWString(std::string& s);

    // uint32 count then the bytes. Reads min(count, capacity) bytes; on a
    // mismatch either rewinds to the count word or skips the surplus.
    void writeByteArray(const void* data, uint32_t count);
    uint32_t readByteArray(void* buffer, uint32_t capacity, bool rewindOnMismatch);

    // Diagnostics and nesting, used through RecordScope.
    ReadTrace* trace() const { return trace_; }
    void setTrace(ReadTrace* trace) { trace_ = trace; }
    int depth() const { return depth_; }
    void enterRecord() { ++depth_; }
    void leaveRecord() { --depth_; }

private:
    using Block = std::array<uint8_t, kBlockSize>;
    void appendBlock();
    template <class T>
    bool readZeroed(T& value);
    // Reads the raw string bytes of a count-prefixed text, cut at a zero byte.
    bool readCountedBytes(std::string& out);

    std::vector<std::shared_ptr<Block>> blocks_;
    uint64_t readPos_ = 0;
    uint64_t writePos_ = 0;
    ReadTrace* trace_ = nullptr;
    int depth_ = 0;
};

}  // namespace KilnCore
