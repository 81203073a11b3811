#include "ruby/ByteArrays.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "ruby/ModuleCall.h"
#include "ruby/RubyProtect.h"
#include "ruby/RubyText.h"
#include "serial/QuickArchive.h"

using KilnCore::QuickArchive;

namespace KilnRuby {
namespace {

// An element's integer value. Anything but a Fixnum goes through Ruby's own
// conversion, which may call to_int and raise.
bool elementValue(VALUE element, unsigned long& out) {
    if (FIXNUM_P(element)) {
        out = static_cast<unsigned long>(FIX2LONG(element));
        return true;
    }
    VALUE ignored;
    return runProtected(
        [element, &out] {
            out = rb_num2ulong(element);
            return Qnil;
        },
        ignored);
}

}  // namespace

bool loadArchiveFromByteArray(VALUE value, QuickArchive& archive) {
    if (!RB_TYPE_P(value, T_ARRAY))
        return failCall("the record is not an Array of byte values (" + classNameOf(value) + ")");
    if (RARRAY_LEN(value) == 0) return failCall("the record is an empty Array");
    uint8_t chunk[QuickArchive::kBlockSize];
    size_t used = 0;
    // The length is read again each time: a to_int may change the array.
    // Indexing below that length needs no bounds check of rb_ary_entry's.
    for (long i = 0; i < RARRAY_LEN(value); ++i) {
        unsigned long number;
        const VALUE element = RARRAY_AREF(value, i);
        if (!elementValue(element, number))
            return failCall("record[" + std::to_string(i) + "] does not convert to a byte (" + classNameOf(element) +
                            ")");
        chunk[used++] = static_cast<uint8_t>(number & 0xFF);
        if (used == sizeof chunk) {
            archive.writeBytes(chunk, used);
            used = 0;
        }
    }
    archive.writeBytes(chunk, used);
    return true;
}

VALUE archiveToByteArray(QuickArchive& archive) {
    if (archive.blockCount() == 0) return Qnil;
    const long total = static_cast<long>(archive.capacity());
    return protectedValue([&archive, total] {
        const VALUE bytes = rb_ary_new_capa(total);
        uint8_t block[QuickArchive::kBlockSize];
        for (long start = 0; start < total; start += static_cast<long>(sizeof block)) {
            std::memset(block, 0, sizeof block);
            archive.readBytes(block, sizeof block);
            for (uint8_t byte : block) rb_ary_push(bytes, INT2FIX(byte));
        }
        return bytes;
    });
}

}  // namespace KilnRuby
