// The archive primitives driven by the input itself: each step's opcode byte
// chooses a primitive, which then reads from the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "serial/QuickArchive.h"

using namespace KilnCore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QuickArchive archive(data, size);
    std::string text;
    uint8_t buffer[64];
    for (int step = 0; step < 64 && !archive.exhausted(); ++step) {
        uint8_t opcode = 0;
        archive.readBytes(&opcode, 1);
        switch (opcode % 8) {
            case 0: { uint32_t v; archive.readUInt32(v); break; }
            case 1: { double v; archive.readDouble(v); break; }
            case 2: { Transform t; archive.readTransform(t); break; }
            case 3: archive.readString(text); break;
            case 4: archive.readWString(text); archive.writeWString(text); break;
            case 5: archive.readByteArray(buffer, sizeof buffer, opcode & 8); break;
            case 6: { Rect r; archive.readRect(r); break; }
            case 7: { TransformD t; archive.readTransformD(t); break; }
        }
    }
    return 0;
}
