// The editable form of a placement: rotations in degrees, scales, offsets and
// mirror flags, composed into a matrix on demand.
#pragma once

#include <cstdint>

#include "serial/Fields.h"
#include "serial/Serializable.h"
#include "serial/Types.h"

namespace KilnCore {

class TransformComponents : public TessarSerializable {
public:
    float x_rotation = 0.0f, y_rotation = 0.0f, z_rotation = 0.0f;
    float x_scale = 1.0f, y_scale = 1.0f, z_scale = 1.0f;
    float x_offset = 0.0f, y_offset = 0.0f, z_offset = 0.0f;
    // Full integers: any non-zero value mirrors, but 1 and 2 compare unequal.
    int32_t x_mirror = 0, y_mirror = 0, z_mirror = 0;

    void reset() { *this = TransformComponents(); }

    bool operator==(const TransformComponents& o) const;
    bool operator!=(const TransformComponents& o) const { return !(*this == o); }

    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    // Rotation and signed scale per axis, composed as Z * (Y * X) on the
    // stored row vectors, all in float32.
    Matrix3 toMatrix() const;
    // toMatrix with the offsets carried unchanged.
    Transform toTransform() const;

    static const RecordLayout<TransformComponents>& layout();
};

// Components are a record of their own; as a parameter they are written
// whole (a componentTransform) or, with Form::MatrixOnly, as a
// componentMatrix.
template <>
struct Codec<TransformComponents> : NestedRecordCodec<TransformComponents> {
    static void param(AssetXmlWriter& w, const TransformComponents& v, const FieldSpec& f, std::string_view) {
        w.writeNumbersParam(f.has(Form::MatrixOnly) ? "componentMatrix" : "componentTransform", f.name,
                            {{"x_rotation", v.x_rotation},
                             {"y_rotation", v.y_rotation},
                             {"z_rotation", v.z_rotation},
                             {"x_scale", v.x_scale},
                             {"y_scale", v.y_scale},
                             {"z_scale", v.z_scale},
                             {"x_offset", v.x_offset},
                             {"y_offset", v.y_offset},
                             {"z_offset", v.z_offset}},
                            {{"x_mirror", v.x_mirror}, {"y_mirror", v.y_mirror}, {"z_mirror", v.z_mirror}}, f.label);
    }
};

}  // namespace KilnCore
