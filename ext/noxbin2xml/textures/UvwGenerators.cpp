#include "textures/UvwGenerators.h"

#include <array>

#include "serial/QuickArchive.h"
#include "serial/RecordScope.h"

namespace KilnCore {
namespace {

constexpr std::array<std::string_view, 4> kMappingNames{"angular", "cubic", "spherical", "mirror_ball"};

}  // namespace

// Channel generator. Version 1 kept two texture rotations and mirror flags
// in place of the component records.

void GenChannelUVW::updateMatrices() {
    uvw_transform = uvwComponents.toTransform();
    tex_transform = texComponents.toTransform();
}

bool GenChannelUVW::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(2));
    ar.writeTransform(uvw_transform);
    ar.writeTransform(tex_transform);
    ar.writeInt32(wrap_u);
    ar.writeInt32(wrap_v);
    ar.writeInt32(uvw_channel);
    return uvwComponents.serialize(ar) && texComponents.serialize(ar);
}

bool GenChannelUVW::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, "GenChannelUVW");
    uint16_t version;
    if (!rec.readVersion(version, 1, 2)) return false;
    ar.readTransform(uvw_transform);
    ar.readTransform(tex_transform);
    if (version == 1) {
        ar.readFloat(texComponents.x_rotation);
        ar.readFloat(texComponents.y_rotation);
        ar.readInt32(texComponents.x_mirror);
        ar.readInt32(texComponents.y_mirror);
    }
    ar.readInt32(wrap_u);
    ar.readInt32(wrap_v);
    ar.readInt32(uvw_channel);
    return version == 1 || (uvwComponents.deserialize(ar) && texComponents.deserialize(ar));
}

bool GenChannelUVW::sameValues(const GenChannelUVW& o) const {
    return uvw_transform == o.uvw_transform && tex_transform == o.tex_transform && uvwComponents == o.uvwComponents &&
           texComponents == o.texComponents && wrap_u == o.wrap_u && wrap_v == o.wrap_v && uvw_channel == o.uvw_channel;
}

void GenChannelUVW::writeParameters(AssetXmlWriter& w) const {
    w.writeComponentTransformParam("uvw_transform", uvwComponents);
    w.writeTransformParam("tex_transform", tex_transform);
    w.writeIntParam("wrap_u", wrap_u);
    w.writeIntParam("wrap_v", wrap_v);
    w.writeIntParam("uvw_channel", uvw_channel);
}

// Environment generator. Version 1 kept the z and x rotations and mirror
// flags in place of the component record.

void GenEnvironmentUVW::updateMatrices() { uvw_matrix = uvwComponents.toMatrix(); }

bool GenEnvironmentUVW::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(2));
    ar.writeMatrix(uvw_matrix);
    ar.writeInt32(mapping_type);
    return uvwComponents.serialize(ar);
}

bool GenEnvironmentUVW::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, "GenEnvironmentUVW");
    uint16_t version;
    if (!rec.readVersion(version, 1, 2)) return false;
    ar.readMatrix(uvw_matrix);
    const uint64_t at = ar.readPos();
    int32_t mapping = mapping_type;
    ar.readInt32(mapping);
    if (mapping < 0 || mapping >= static_cast<int32_t>(kMappingNames.size()))
        return rec.failAt(at, "mapping type " + std::to_string(mapping) + " outside 0..3");
    mapping_type = mapping;
    if (version == 2) return uvwComponents.deserialize(ar);
    ar.readFloat(uvwComponents.z_rotation);
    ar.readFloat(uvwComponents.x_rotation);
    ar.readInt32(uvwComponents.z_mirror);
    ar.readInt32(uvwComponents.x_mirror);
    return true;
}

bool GenEnvironmentUVW::sameValues(const GenEnvironmentUVW& o) const {
    return uvw_matrix == o.uvw_matrix && uvwComponents == o.uvwComponents && mapping_type == o.mapping_type;
}

void GenEnvironmentUVW::writeParameters(AssetXmlWriter& w) const {
    w.writeComponentMatrixParam("uvw_matrix", uvwComponents);
    // Only a value set in code can be out of range; it has no name.
    const bool known = mapping_type >= 0 && mapping_type < static_cast<int32_t>(kMappingNames.size());
    w.writeStringParam("mapping_type", known ? kMappingNames[mapping_type] : std::string_view());
}

// Planar-world and object generators.

template <class D>
bool ProjectionUVW<D>::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeTransform(uvw_transform);
    return uvwComponents.serialize(ar);
}

template <class D>
bool ProjectionUVW<D>::deserialize(QuickArchive& ar) {
    if constexpr (D::kResetsBeforeRead) this->reset();
    RecordScope rec(ar, D::kClassName);
    uint16_t version;
    if (!rec.readVersion(version, 1, 1)) return false;
    ar.readTransform(uvw_transform);
    return uvwComponents.deserialize(ar);
}

// The two projections are the only users of the template.
template class ProjectionUVW<GenPlanarWorldUVW>;
template class ProjectionUVW<GenObjectUVW>;

}  // namespace KilnCore
