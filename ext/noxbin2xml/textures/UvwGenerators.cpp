#include "textures/UvwGenerators.h"

#include <array>

namespace KilnCore {
namespace {

using TC = TransformComponents;

// A generator's layout; only GenObjectUVW starts a read from its defaults.
template <class D>
ObjectLayout<D> uvwLayout(std::string_view className, std::vector<FieldList<D>> versions, FieldList<D> params,
                          bool resets = false) {
    ObjectLayout<D> layout{{className, 1, std::move(versions)}, std::move(params)};
    if (!resets) layout.record.reset = Reset::Keep;
    return layout;
}

constexpr std::array<std::string_view, 4> kMappingNames{"angular", "cubic", "spherical", "mirror_ball"};

// The mapping type: an index into kMappingNames, written as its name.
struct MappingType : Codec<int32_t> {
    static bool read(RecordScope& rec, int32_t& v, const FieldSpec&) {
        const uint64_t at = rec.archive().readPos();
        int32_t mapping = v;
        rec.archive().readInt32(mapping);
        if (mapping < 0 || mapping >= static_cast<int32_t>(kMappingNames.size()))
            return rec.failAt(at, "mapping type " + std::to_string(mapping) + " outside 0..3");
        v = mapping;
        return true;
    }
    // Only a value set in code can be out of range; it has no name.
    static void param(AssetXmlWriter& w, int32_t v, const FieldSpec& f, std::string_view) {
        const bool known = v >= 0 && v < static_cast<int32_t>(kMappingNames.size());
        w.writeStringParam(f.name, known ? kMappingNames[static_cast<size_t>(v)] : std::string_view());
    }
};

}  // namespace

void GenChannelUVW::updateMatrices() {
    uvw_transform = uvwComponents.toTransform();
    tex_transform = texComponents.toTransform();
}

const ObjectLayout<GenChannelUVW>& GenChannelUVW::layout() {
    using G = GenChannelUVW;
    using Fields = FieldList<G>;
    static const ObjectLayout<G> layout = [] {
        KILN_FIELD(G, uvw_transform);
        KILN_FIELD(G, tex_transform);
        KILN_FIELD(G, wrap_u);
        KILN_FIELD(G, wrap_v);
        KILN_FIELD(G, uvw_channel);
        const Fields placements = {uvw_transform, tex_transform};
        const Fields wraps = {wrap_u, wrap_v, uvw_channel};
        const Fields texV1 = {{"tex x_rotation", &G::texComponents, &TC::x_rotation},
                              {"tex y_rotation", &G::texComponents, &TC::y_rotation},
                              {"tex x_mirror", &G::texComponents, &TC::x_mirror},
                              {"tex y_mirror", &G::texComponents, &TC::y_mirror}};
        return uvwLayout<G>(
            "GenChannelUVW",
            {placements + texV1 + wraps,
             placements + wraps + Fields{{"uvwComponents", &G::uvwComponents}, {"texComponents", &G::texComponents}}},
            Fields{{"uvw_transform", &G::uvwComponents}, tex_transform} + wraps);
    }();
    return layout;
}

void GenEnvironmentUVW::updateMatrices() { uvw_matrix = uvwComponents.toMatrix(); }

const ObjectLayout<GenEnvironmentUVW>& GenEnvironmentUVW::layout() {
    using E = GenEnvironmentUVW;
    using Fields = FieldList<E>;
    static const ObjectLayout<E> layout = [] {
        KILN_FIELD(E, uvw_matrix);
        const auto mapping_type = Field<E>::with<MappingType>("mapping_type", &E::mapping_type);
        const Fields head = {uvw_matrix, mapping_type};
        return uvwLayout<E>("GenEnvironmentUVW",
                            {head + Fields{{"uvw z_rotation", &E::uvwComponents, &TC::z_rotation},
                                           {"uvw x_rotation", &E::uvwComponents, &TC::x_rotation},
                                           {"uvw z_mirror", &E::uvwComponents, &TC::z_mirror},
                                           {"uvw x_mirror", &E::uvwComponents, &TC::x_mirror}},
                             head + Field<E>("uvwComponents", &E::uvwComponents)},
                            {{"uvw_matrix", &E::uvwComponents, Form::MatrixOnly}, mapping_type});
    }();
    return layout;
}

template <class D>
const ObjectLayout<D>& ProjectionUVW<D>::layout() {
    static const ObjectLayout<D> layout = uvwLayout<D>(
        D::kClassName, {{{"uvw_transform", &D::uvw_transform}, {"uvwComponents", &D::uvwComponents}}},
        {{"uvw_transform", &D::uvwComponents}}, D::kResetsBeforeRead);
    return layout;
}

// The two projections are the only users of the template.
template class ProjectionUVW<GenPlanarWorldUVW>;
template class ProjectionUVW<GenObjectUVW>;

}  // namespace KilnCore
