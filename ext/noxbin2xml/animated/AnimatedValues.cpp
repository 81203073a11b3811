#include "animated/AnimatedValues.h"

#include <limits>

#include "serial/Fields.h"

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
void AnimatedValue<T>::reset() {
    keys_.clear();
    keys_[0.0] = clearedValue<T>();
}

template <class T>
constexpr const char* kRecordName = "AnimatedTransform";
template <>
constexpr const char* kRecordName<float> = "AnimatedReal";
template <>
constexpr const char* kRecordName<int32_t> = "AnimatedInt";

// The key count, the size of a key's time (only 8 is read), the
// interpolation flag where the class keeps it, then the keys, each a time
// and a value. A read starts from the cleared value; keys beyond the end of
// the record are absent, so a hostile count costs nothing.
template <class T>
const RecordLayout<AnimatedValue<T>>& AnimatedValue<T>::layout() {
    using A = AnimatedValue<T>;
    static const RecordLayout<A> layout = [] {
        const auto unreadKeySize = [](const A& a) {
            return a.keySize_ == kKeySize ? std::string()
                                          : "key size " + std::to_string(a.keySize_) + " not accepted (expects 8)";
        };
        RecordLayout<A> layout{kRecordName<T>,
                               1,
                               {{Field<A>::template countOf<&A::keyList>("keyCount", &A::keyCount_),
                                 Field<A>("keySize", &A::keySize_).checkedBy(unreadKeySize),
                                 Field<A>("interpolate", &A::interpolate_).when([](const A& a) { return a.storesFlag_; }),
                                 Field<A>::template repeat<Key, &A::addKey, &A::keyList>("keys", &A::keyCount_)}}};
        return layout;
    }();
    return layout;
}

template <class T>
bool AnimatedValue<T>::serialize(QuickArchive& ar) {
    keySize_ = kKeySize;
    return writeRecord(*this, ar, layout());
}

template <class T>
bool AnimatedValue<T>::deserialize(QuickArchive& ar) {
    return readRecord(*this, ar, layout());
}

bool AnimatedTransform::isEqual(const AnimatedTransform& other) const { return keys() == other.keys(); }

template class AnimatedValue<float>;
template class AnimatedValue<int32_t>;
template class AnimatedValue<Transform>;

}  // namespace KilnCore
