#include "animated/AnimatedValues.h"

#include <limits>

#include "serial/QuickArchive.h"
#include "serial/RecordScope.h"

namespace KilnCore {
namespace {

float blend(float a, float b, float u) { return (1.0f - u) * a + u * b; }

int32_t blend(int32_t a, int32_t b, float u) {
    return static_cast<int32_t>((1.0f - u) * static_cast<float>(a) + u * static_cast<float>(b));
}

Vector3 blend(const Vector3& a, const Vector3& b, float u) {
    return {blend(a.x, b.x, u), blend(a.y, b.y, u), blend(a.z, b.z, u)};
}

Transform blend(const Transform& a, const Transform& b, float u) {
    Transform t;
    for (int i = 0; i < 3; ++i) t.matrix.e[i] = blend(a.matrix.e[i], b.matrix.e[i], u);
    t.offset = blend(a.offset, b.offset, u);
    return t;
}

template <class T>
T clearedValue() {
    return T{};
}
template <>
Transform clearedValue<Transform>() {
    return Transform{};  // identity matrix, zero offset
}

}  // namespace

template <class T>
T AnimatedValue<T>::valueAt(double t) const {
    const auto exact = keys_.find(t);
    if (exact != keys_.end()) return exact->second;
    const auto next = keys_.upper_bound(t);
    if (next == keys_.end()) return std::prev(next)->second;
    if (next == keys_.begin()) return next->second;
    const auto previous = std::prev(next);
    if (!interpolate_) return previous->second;
    const float u = static_cast<float>((t - previous->first) / (next->first - previous->first));
    return blend(previous->second, next->second, u);
}

template <class T>
double AnimatedValue<T>::keyTime(int32_t index) const {
    if (index < 0 || index >= keyCount()) return std::numeric_limits<double>::quiet_NaN();
    return std::next(keys_.begin(), index)->first;
}

template <class T>
void AnimatedValue<T>::clear() {
    keys_.clear();
    keys_[0.0] = clearedValue<T>();
}

template <class T>
bool AnimatedValue<T>::serialize(QuickArchive& ar) {
    ar.writeUInt32(kVersionWord);
    ar.writeUInt32(static_cast<uint32_t>(keys_.size()));
    ar.writeUInt32(kKeySize);
    if (storesFlag_) ar.writeBool(interpolate_);
    for (auto [time, value] : keys_) {
        ar.writeDouble(time);
        Codec<T>::write(ar, value, {});
    }
    return true;
}

template <class T>
bool AnimatedValue<T>::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, className_);
    const uint32_t word = rec.readVersionWord();
    clear();
    if (!rec.accept(word, 1, 1)) return false;
    const uint64_t at = ar.readPos();
    uint32_t count = 0, keySize = 0;
    ar.readUInt32(count);
    ar.readUInt32(keySize);
    if (keySize != kKeySize) return rec.fail("key size " + std::to_string(keySize) + " not accepted (expects 8)");
    if (storesFlag_) ar.readBool(interpolate_);
    double time = 0.0;
    T value = clearedValue<T>();
    // Keys beyond the end of the record are absent; a hostile count costs nothing.
    for (uint32_t i = 0; i < count && !ar.exhausted(); ++i) {
        ar.readDouble(time);
        Codec<T>::read(rec, value, {});
        setValue(value, time);
    }
    rec.traceField("keys", "keys", at, [&] { return std::to_string(count) + " keys"; });
    return true;
}

bool AnimatedTransform::isEqual(const AnimatedTransform& other) const { return keys() == other.keys(); }

template class AnimatedValue<float>;
template class AnimatedValue<int32_t>;
template class AnimatedValue<Transform>;

}  // namespace KilnCore
