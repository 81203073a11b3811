#pragma once
// Hand-made records, written primitive by primitive independently of the
// classes' own field tables, and the bytes of an archive for comparing.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "serial/QuickArchive.h"

struct Record {
    KilnCore::QuickArchive ar;
    template <class... T>
    Record& u32(T... vs) { return (ar.writeUInt32(static_cast<uint32_t>(vs)), ...), *this; }
    template <class... T>
    Record& i32(T... vs) { return (ar.writeInt32(static_cast<int32_t>(vs)), ...), *this; }
    template <class... T>
    Record& f(T... vs) { return (ar.writeFloat(static_cast<float>(vs)), ...), *this; }
    template <class... T>
    Record& b(T... vs) { return (ar.writeBool(static_cast<bool>(vs)), ...), *this; }
    template <class... T>
    Record& s(const T&... vs) { return (ar.writeWString(vs), ...), *this; }
    Record& c(float r, float g, float bl) { return ar.writeColor({r, g, bl}), *this; }
    Record& vec(float x, float y, float z) { return ar.writeVector({x, y, z}), *this; }
    Record& xform(const KilnCore::Transform& t) { return ar.writeTransform(t), *this; }
    // A material's base record (version 2), and a version 4 layered material
    // without BRDFs as a nested material part.
    Record& baseMaterial(const std::string& name, const std::string& id = "") { return u32(0x20000).s(name, id); }
    Record& layeredChild(const std::string& name) {
        return i32(1).u32(0x40000, 0).i32(1, 0, 1, 1).baseMaterial(name).i32(0);
    }
    // An animated transform record with one key per (time, value).
    Record& anim(std::initializer_list<std::pair<double, KilnCore::Transform>> keys, uint32_t keySize = 8) {
        u32(0x00010000, keys.size(), keySize);
        for (const auto& [time, value] : keys) ar.writeDouble(time), ar.writeTransform(value);
        return *this;
    }
};

inline std::vector<uint8_t> bytesOf(KilnCore::QuickArchive ar) {
    ar.setReadPos(0);
    std::vector<uint8_t> out(ar.writePos());
    ar.readBytes(out.data(), out.size());
    return out;
}

template <class Object>
std::vector<uint8_t> recordOf(Object&& object) {
    KilnCore::QuickArchive ar;
    EXPECT_TRUE(object.serialize(ar));
    return bytesOf(ar);
}
