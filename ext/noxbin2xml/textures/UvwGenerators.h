// The four UVW generators: how texture coordinates are produced. Each keeps
// its placements twice, as editable components and as the matrix form that
// updateMatrices derives from them.
#pragma once

#include <string>
#include <string_view>

#include "serial/TransformComponents.h"
#include "textures/BaseTexture.h"
#include "textures/TextureXml.h"

namespace KilnCore {

// What the generators share: identity, reset, copying, comparison and the
// XML frame. D provides kTypeId, kPluginType, sameValues(const D&) and
// writeParameters(AssetXmlWriter&).
template <class D>
class UvwGenerator : public BaseUVW {
public:
    int32_t typeId() const override { return D::kTypeId; }
    std::string_view pluginType() const override { return D::kPluginType; }
    void reset() override { derived() = D(); }
    std::shared_ptr<BaseUVW> clone() const override { return std::make_shared<D>(derived()); }
    bool isEqual(const std::shared_ptr<BaseUVW>& other) const override {
        const auto* o = dynamic_cast<const D*>(other.get());
        return o && derived().sameValues(*o);
    }
    // The matrix forms are recomputed first, so the XML always follows the
    // components.
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        updateMatrices();
        writeTextureAsset(writer, joinUrl(parentUrl, pluginType()), *this, [&] { derived().writeParameters(writer); });
    }

private:
    D& derived() { return static_cast<D&>(*this); }
    const D& derived() const { return static_cast<const D&>(*this); }
};

// Mapping by a mesh UV channel.
class GenChannelUVW final : public UvwGenerator<GenChannelUVW> {
public:
    static constexpr int32_t kTypeId = 4;
    static constexpr std::string_view kPluginType = "UVWGenChannel";

    Transform uvw_transform;
    Transform tex_transform;
    TransformComponents uvwComponents;
    TransformComponents texComponents;
    int32_t wrap_u = 0;
    int32_t wrap_v = 0;
    int32_t uvw_channel = 1;

    void updateMatrices() override;
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    bool sameValues(const GenChannelUVW& o) const;
    void writeParameters(AssetXmlWriter& writer) const;
};

// Mapping for environment lookups.
class GenEnvironmentUVW final : public UvwGenerator<GenEnvironmentUVW> {
public:
    static constexpr int32_t kTypeId = 3;
    static constexpr std::string_view kPluginType = "UVWGenEnvironment";

    // Index into "angular", "cubic", "spherical", "mirror_ball"; a record
    // holding any other value is rejected.
    int32_t mapping_type = 2;
    Matrix3 uvw_matrix;
    TransformComponents uvwComponents;  // its offsets do not enter the matrix

    void updateMatrices() override;
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    bool sameValues(const GenEnvironmentUVW& o) const;
    void writeParameters(AssetXmlWriter& writer) const;
};

// A projection placed by one transform: world-space planar or object space.
template <class D>
class ProjectionUVW : public UvwGenerator<D> {
public:
    Transform uvw_transform;
    TransformComponents uvwComponents;

    void updateMatrices() override { uvw_transform = uvwComponents.toTransform(); }
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    bool sameValues(const D& o) const { return uvw_transform == o.uvw_transform && uvwComponents == o.uvwComponents; }
    void writeParameters(AssetXmlWriter& writer) const {
        writer.writeComponentTransformParam("uvw_transform", uvwComponents);
    }
};

class GenPlanarWorldUVW final : public ProjectionUVW<GenPlanarWorldUVW> {
public:
    static constexpr int32_t kTypeId = 0;
    static constexpr std::string_view kPluginType = "UVWGenPlanarWorld";
    static constexpr std::string_view kClassName = "GenPlanarWorldUVW";
    static constexpr bool kResetsBeforeRead = false;
};

class GenObjectUVW final : public ProjectionUVW<GenObjectUVW> {
public:
    static constexpr int32_t kTypeId = 1;
    static constexpr std::string_view kPluginType = "UVWGenObject";
    static constexpr std::string_view kClassName = "GenObjectUVW";
    static constexpr bool kResetsBeforeRead = true;
};

}  // namespace KilnCore
