// Values keyed by time with linear interpolation between keys. A single
// (not animated) value lives at time 0.
#pragma once

#include <cmath>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "serial/Codec.h"
#include "serial/Serializable.h"
#include "serial/Types.h"

namespace KilnCore {

// Orders key times with NaN after every number, so that a hostile record
// cannot break the ordering of the key map.
struct KeyTimeLess {
    bool operator()(double a, double b) const { return a < b || (!std::isnan(a) && std::isnan(b)); }
};

template <class C>
struct RecordLayout;

template <class T>
class AnimatedValue : public TessarSerializable {
public:
    static constexpr uint32_t kKeySize = 8;
    using Key = std::pair<double, T>;  // a time and the value there

    // Value at time t: the exact key, else interpolated between the keys
    // around t (or the previous key's value without interpolation), else the
    // first or last key's value outside the keyed range.
    T valueAt(double t) const;
    // Replaces the value of a key with exactly that time, or inserts one.
    void setValue(const T& value, double t) { keys_[t] = value; }
    int32_t keyCount() const { return static_cast<int32_t>(keys_.size()); }
    // NaN for an index outside 0..count-1.
    double keyTime(int32_t index) const;
    // Removes every key and sets the time-0 key to the cleared value.
    void reset();

    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    bool interpolates() const { return interpolate_; }
    const std::map<double, T, KeyTimeLess>& keys() const { return keys_; }
    bool operator==(const AnimatedValue& o) const { return interpolate_ == o.interpolate_ && keys_ == o.keys_; }

protected:
    AnimatedValue(bool interpolate, bool storesFlag) : interpolate_(interpolate), storesFlag_(storesFlag) { reset(); }

private:
    static const RecordLayout<AnimatedValue>& layout();
    void addKey(const Key& key) { setValue(key.second, key.first); }
    std::vector<Key> keyList() const { return {keys_.begin(), keys_.end()}; }

    std::map<double, T, KeyTimeLess> keys_;
    bool interpolate_;
    bool storesFlag_;  // reals and integers keep the flag in their record
    // As the last record read gave them: its key count and key size.
    uint32_t keyCount_ = 0;
    uint32_t keySize_ = kKeySize;
};

class AnimatedReal : public AnimatedValue<float>, public TessarXMLSerializable {
public:
    explicit AnimatedReal(bool interpolate = true) : AnimatedValue(interpolate, true) {}
    // One value at time 0.
    static AnimatedReal single(float value) {
        AnimatedReal real;
        real.setValue(value, 0.0);
        return real;
    }
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return {}; }
    std::string_view category() const override { return {}; }
};

class AnimatedInt : public AnimatedValue<int32_t>, public TessarXMLSerializable {
public:
    explicit AnimatedInt(bool interpolate = true) : AnimatedValue(interpolate, true) {}
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return {}; }
    std::string_view category() const override { return {}; }
};

// Always interpolates; its cleared value is the identity transform.
class AnimatedTransform : public AnimatedValue<Transform> {
public:
    AnimatedTransform() : AnimatedValue(true, false) {}
    // Same key count, same key times in order, equal transforms at them.
    bool isEqual(const AnimatedTransform& other) const;
};

// As a field, an animated value is its own record, or (Form::AtTimeZero, in
// old records) its one value at time 0 in the plain form; its parameter is
// its value at time 0.
template <class A, class T>
struct AnimatedCodec : CodecDefaults<A> {
    static constexpr std::string_view kType = "animated";
    static bool read(RecordScope& rec, A& v, const FieldSpec& f) {
        if (!f.has(Form::AtTimeZero)) return NestedRecordCodec<A>::read(rec, v, f);
        T single = v.valueAt(0.0);
        Codec<T>::read(rec, single, f);
        v.setValue(single, 0.0);
        return true;
    }
    static bool write(QuickArchive& ar, A& v, const FieldSpec& f) {
        if (!f.has(Form::AtTimeZero)) return v.serialize(ar);
        T single = v.valueAt(0.0);
        return Codec<T>::write(ar, single, f);
    }
    static void param(AssetXmlWriter& w, const A& v, const FieldSpec& f, std::string_view url) {
        Codec<T>::param(w, v.valueAt(0.0), f, url);
    }
    // A single value shows as that value, an animation as its key count.
    static void text(std::string& out, const A& v) {
        if (v.keyCount() == 1) return Codec<T>::text(out, v.valueAt(0.0));
        appendNumberText(out, int64_t{v.keyCount()});
        out += " keys";
    }
};

template <>
struct Codec<AnimatedReal> : AnimatedCodec<AnimatedReal, float> {};

template <>
struct Codec<AnimatedTransform> : AnimatedCodec<AnimatedTransform, Transform> {
    static bool equal(const AnimatedTransform& a, const AnimatedTransform& b) { return a.isEqual(b); }
};

}  // namespace KilnCore
