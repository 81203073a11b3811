// The editable form of a placement: rotations in degrees, scales, offsets and
// mirror flags, composed into a matrix on demand.
#pragma once

#include <cstdint>

#include "serial/Serializable.h"
#include "serial/Types.h"

namespace KilnCore {

class TransformComponents : public TessarSerializable {
public:
    static constexpr uint32_t kVersionWord = 0x00010000;

    float x_rotation, y_rotation, z_rotation;
    float x_scale, y_scale, z_scale;
    float x_offset, y_offset, z_offset;
    // Full integers: any non-zero value mirrors, but 1 and 2 compare unequal.
    int32_t x_mirror, y_mirror, z_mirror;

    TransformComponents() { reset(); }
    void reset();

    bool operator==(const TransformComponents& o) const;
    bool operator!=(const TransformComponents& o) const { return !(*this == o); }

    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    // Rotation and signed scale per axis, composed as Z * (Y * X) on the
    // stored row vectors, all in float32.
    Matrix3 toMatrix() const;
    // toMatrix with the offsets carried unchanged.
    Transform toTransform() const;
};

}  // namespace KilnCore
