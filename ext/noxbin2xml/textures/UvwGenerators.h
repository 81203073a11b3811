// The four UVW generators: how texture coordinates are produced. Each keeps
// its placements twice, as editable components and as the matrix form that
// updateMatrices derives from them.
#pragma once

#include <string>
#include <string_view>

#include "textures/TransformComponents.h"
#include "textures/RecordTexture.h"

namespace KilnCore {

// The matrix forms are recomputed before the XML is written, so the XML
// always follows the components.
template <class D>
class RecordUvw : public RecordTexture<D, BaseUVW> {
public:
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        this->updateMatrices();
        writeTextureAsset(writer, this->self(), parentUrl);
    }
};

// Mapping by a mesh UV channel. Version 1 kept two texture rotations and
// mirror flags in place of the component records.
class GenChannelUVW final : public RecordUvw<GenChannelUVW> {
public:
    static constexpr int32_t kTypeId = UvwType::Channel;
    static constexpr std::string_view kPluginType = "UVWGenChannel";
    static const ObjectLayout<GenChannelUVW>& layout();

    Transform uvw_transform;
    Transform tex_transform;
    TransformComponents uvwComponents;
    TransformComponents texComponents;
    int32_t wrap_u = 0;
    int32_t wrap_v = 0;
    int32_t uvw_channel = 1;

    void updateMatrices() override;
};

// Mapping for environment lookups. Version 1 kept the z and x rotations and
// mirror flags in place of the component record.
class GenEnvironmentUVW final : public RecordUvw<GenEnvironmentUVW> {
public:
    static constexpr int32_t kTypeId = UvwType::Environment;
    static constexpr std::string_view kPluginType = "UVWGenEnvironment";
    static const ObjectLayout<GenEnvironmentUVW>& layout();

    // Index into "angular", "cubic", "spherical", "mirror_ball"; a record
    // holding any other value is rejected.
    int32_t mapping_type = 2;
    Matrix3 uvw_matrix;
    TransformComponents uvwComponents;  // its offsets do not enter the matrix

    void updateMatrices() override;
};

// A projection placed by one transform: world-space planar or object space.
template <class D>
class ProjectionUVW : public RecordUvw<D> {
public:
    static const ObjectLayout<D>& layout();

    Transform uvw_transform;
    TransformComponents uvwComponents;

    void updateMatrices() override { uvw_transform = uvwComponents.toTransform(); }
};

class GenPlanarWorldUVW final : public ProjectionUVW<GenPlanarWorldUVW> {
public:
    static constexpr int32_t kTypeId = UvwType::PlanarWorld;
    static constexpr std::string_view kPluginType = "UVWGenPlanarWorld";
    static constexpr std::string_view kClassName = "GenPlanarWorldUVW";
    static constexpr bool kResetsBeforeRead = false;
};

class GenObjectUVW final : public ProjectionUVW<GenObjectUVW> {
public:
    static constexpr int32_t kTypeId = UvwType::Object;
    static constexpr std::string_view kPluginType = "UVWGenObject";
    static constexpr std::string_view kClassName = "GenObjectUVW";
    static constexpr bool kResetsBeforeRead = true;
};

}  // namespace KilnCore
