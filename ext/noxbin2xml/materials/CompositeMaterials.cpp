#include "materials/CompositeMaterials.h"

namespace KilnCore {

const MaterialLayout<MaterialMulti>& MaterialMulti::layout() {
    using M = MaterialMulti;
    using F = MaterialFields<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, materials);
        return keepingValues<M>({{{"MaterialMulti", 1, {{materials, F::uniqueName()}, {materials, F::base()}}}, {}}});
    }();
    return layout;
}

const MaterialLayout<MaterialBump>& MaterialBump::layout() {
    using M = MaterialBump;
    using F = MaterialFields<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, bump_tex_mult);
        KILN_FIELD(M, base_mtl);
        const Field<M> bump_tex = optionalChildField<M>("bump_tex", &M::bump_tex, "bump_tex");
        return keepingValues<M>({{{"MaterialBump",
                                   1,
                                   {{F::uniqueName(), F::fileName("bump_tex", &M::bump_tex), bump_tex_mult, base_mtl},
                                    {F::keptName(), bump_tex_mult, bump_tex, base_mtl},
                                    {bump_tex_mult, bump_tex, base_mtl, F::base()}}},
                                  {bump_tex_mult, base_mtl, bump_tex}}});
    }();
    return layout;
}

// The material it is an instance of is no part of its record.
const MaterialLayout<MaterialInstance>& MaterialInstance::layout() {
    using M = MaterialInstance;
    static const MaterialLayout<M> layout =
        keepingValues<M>({{{"MaterialInstance", 1, {{MaterialFields<M>::base()}}}, {}}});
    return layout;
}

const MaterialLayout<Material2Sided>& Material2Sided::layout() {
    using M = Material2Sided;
    using F = MaterialFields<M>;
    using Fields = FieldList<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, translucency);
        KILN_FIELD(M, transparency);
        KILN_FIELD(M, translucency_tex_mult);
        KILN_FIELD(M, transparency_tex_mult);
        KILN_FIELD(M, force_1sided);
        const Field<M> front = optionalChildField<M>("front", &M::front, "");
        const Field<M> back = optionalChildField<M>("back", &M::back, "");
        const Field<M> translucency_tex = optionalChildField<M>("translucency_tex", &M::translucency_tex, "translucency_tex");
        const Field<M> transparency_tex = optionalChildField<M>("transparency_tex", &M::transparency_tex, "transparency_tex");
        const Fields v1 = {front, back, translucency_tex, translucency, translucency_tex_mult, force_1sided};
        const Fields v2 = v1 + Fields{transparency_tex, transparency, transparency_tex_mult};
        return keepingValues<M>({{{"Material2Sided", 1, {v1, v2, v2 + F::base()}},
                                  {front, back, translucency_tex, transparency_tex, translucency, transparency,
                                   translucency_tex_mult, transparency_tex_mult, force_1sided}}});
    }();
    return layout;
}

const MaterialLayout<MaterialLinked>& MaterialLinked::layout() {
    using M = MaterialLinked;
    static const MaterialLayout<M> layout{
        {{"MaterialLinked", 1, {{{"idData", &M::idData}, {"linked", &M::linked}, MaterialFields<M>::base()}}}, {}}};
    return layout;
}

const MaterialLayout<MaterialSkp2Sided>& MaterialSkp2Sided::layout() {
    using M = MaterialSkp2Sided;
    using F = MaterialFields<M>;
    static const MaterialLayout<M> layout = [] {
        const Field<M> front = optionalChildField<M>("front", &M::front, "");
        const Field<M> back = optionalChildField<M>("back", &M::back, "");
        KILN_FIELD(M, force_1sided);
        return keepingValues<M>(
            {{{"MaterialSkp2Sided", 1, {{F::base(), front, back, force_1sided}}}, {front, back, force_1sided}}});
    }();
    return layout;
}

const MaterialLayout<MaterialOverrideEnvironment>& MaterialOverrideEnvironment::layout() {
    using M = MaterialOverrideEnvironment;
    using F = MaterialFields<M>;
    static const MaterialLayout<M> layout{{{"MaterialOverrideEnvironment",
                                            1,
                                            {{F::base(),
                                              optionalChildField<M>("base_mtl", &M::base_mtl, ""),
                                              optionalChildField<M>("bg_tex", &M::bg_tex, ""),
                                              optionalChildField<M>("gi_tex", &M::gi_tex, ""),
                                              optionalChildField<M>("reflect_tex", &M::reflect_tex, ""),
                                              optionalChildField<M>("refract_tex", &M::refract_tex, ""),
                                              {"bg_color", &M::bg_color},
                                              {"gi_color", &M::gi_color},
                                              {"reflect_color", &M::reflect_color},
                                              {"refract_color", &M::refract_color},
                                              {"bg_tex_mult", &M::bg_tex_mult},
                                              {"gi_tex_mult", &M::gi_tex_mult},
                                              {"reflect_tex_mult", &M::reflect_tex_mult},
                                              {"refract_tex_mult", &M::refract_tex_mult},
                                              {"override_bg", &M::override_bg},
                                              {"override_gi", &M::override_gi},
                                              {"override_reflect", &M::override_reflect},
                                              {"override_refract", &M::override_refract}}}},
                                           {}}};
    return layout;
}

void MaterialOverrideEnvironment::writeXML(AssetXmlWriter& writer, const std::string& parentUrl) {
    MaterialWalk walk(this);
    if (base_mtl && !walk.tooDeep()) base_mtl->writeXML(writer, parentUrl);
}

const MaterialLayout<MaterialDisplaced>& MaterialDisplaced::layout() {
    using M = MaterialDisplaced;
    using F = MaterialFields<M>;
    using Fields = FieldList<M>;
    static const MaterialLayout<M> layout = [] {
        const Fields v1 = {F::base(), optionalChildField<M>("base_mtl", &M::base_mtl, ""), optionalChildField<M>("displace_tex", &M::displace_tex, ""),
                           {"displace_tex_mult", &M::displace_tex_mult}};
        return MaterialLayout<M>{{{"MaterialDisplaced",
                                   1,
                                   {v1, v1 + Fields{{"displace_shift", &M::displace_shift},
                                                    {"displace_edge_length", &M::displace_edge_length},
                                                    {"displace_max_subdivs", &M::displace_max_subdivs},
                                                    {"displace_continuity", &M::displace_continuity},
                                                    {"displace_view_dependent", &M::displace_view_dependent},
                                                    {"displace_use_globals", &M::displace_use_globals}}}},
                                  {}}};
    }();
    return layout;
}

void MaterialDisplaced::writeXML(AssetXmlWriter& writer, const std::string& parentUrl) {
    MaterialWalk walk(this);
    if (base_mtl && !walk.tooDeep()) base_mtl->writeXML(writer, parentUrl + "/" + name);
}

const MaterialLayout<MaterialObjectExclusion>& MaterialObjectExclusion::layout() {
    using M = MaterialObjectExclusion;
    using F = MaterialFields<M>;
    using Fields = FieldList<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, mode);
        KILN_FIELD(M, objects);
        KILN_FIELD(M, short_circuit);
        const Field<M> base_mtl = optionalChildField<M>("base_mtl", &M::base_mtl, "");
        const Fields v2 = Fields{mode, base_mtl, objects} + F::base();
        return MaterialLayout<M>{{{"MaterialObjectExclusion", 1, {{mode, base_mtl, objects}, v2, v2 + short_circuit}},
                                  {base_mtl, mode, short_circuit, objects}}};
    }();
    return layout;
}

const MaterialLayout<MaterialAlphaContribution>& MaterialAlphaContribution::layout() {
    using M = MaterialAlphaContribution;
    using F = MaterialFields<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, alpha_tex_mult);
        KILN_FIELD(M, alpha);
        const Field<M> base_mtl = optionalChildField<M>("base_mtl", &M::base_mtl, "");
        const Field<M> alpha_tex = optionalChildField<M>("alpha_tex", &M::alpha_tex, "alpha_tex");
        return MaterialLayout<M>{{{"MaterialAlphaContribution", 1, {{F::base(), base_mtl, alpha_tex, alpha_tex_mult, alpha}}},
                                  {alpha, alpha_tex_mult, base_mtl, alpha_tex}}};
    }();
    return layout;
}

const MaterialLayout<MaterialAngleBlend>& MaterialAngleBlend::layout() {
    using M = MaterialAngleBlend;
    using F = MaterialFields<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, start_angle);
        KILN_FIELD(M, stop_angle);
        const Field<M> mtl_one = optionalChildField<M>("mtl_one", &M::mtl_one, "");
        const Field<M> mtl_two = optionalChildField<M>("mtl_two", &M::mtl_two, "");
        return MaterialLayout<M>{{{"MaterialAngleBlend", 1, {{F::base(), mtl_one, mtl_two, start_angle, stop_angle}}},
                                  {mtl_one, mtl_two, start_angle, stop_angle}}};
    }();
    return layout;
}

const MaterialLayout<MaterialReference>& MaterialReference::layout() {
    using M = MaterialReference;
    using F = MaterialFields<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, referenceId);
        return keepingValues<M>(
            {{{"MaterialReference",
               1,
               {{F::base(), referenceId}, {F::base(), referenceId, optionalChildField<M>("resolved", &M::resolved, "")}}},
              {}}});
    }();
    return layout;
}

// A material the walk is already inside cannot be carried inside itself.
bool MaterialReference::serialize(QuickArchive& archive) {
    MaterialRef found = libraryInUse().getMaterialByUuid(referenceId);
    resolved = found && !MaterialWalk::inside(found.get()) && found.get() != this ? found : nullptr;
    return RecordMaterial::serialize(archive);
}

std::vector<MaterialRef> MaterialReference::parts() const {
    MaterialRef found = libraryInUse().getMaterialByUuid(referenceId);
    return {found ? found : resolved};
}

void MaterialReference::writeXML(AssetXmlWriter& writer, const std::string& parentUrl) {
    MaterialWalk walk(this);
    if (resolved && !walk.tooDeep()) resolved->writeXML(writer, parentUrl);
}

const MaterialLayout<MaterialToon>& MaterialToon::layout() {
    using M = MaterialToon;
    using F = MaterialFields<M>;
    using Fields = FieldList<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, width);
        KILN_FIELD(M, width_tex_mult);
        KILN_FIELD(M, opacity);
        KILN_FIELD(M, opacity_tex_mult);
        KILN_FIELD(M, distort);
        KILN_FIELD(M, distort_tex_mult);
        KILN_FIELD(M, color);
        KILN_FIELD(M, color_tex_mult);
        KILN_FIELD(M, z_threshold);
        KILN_FIELD(M, trace_bias);
        KILN_FIELD(M, normal_threshold);
        KILN_FIELD(M, line_units);
        KILN_FIELD(M, silhouette_mult);
        KILN_FIELD(M, do_secondary);
        KILN_FIELD(M, divide_by_distance);
        KILN_FIELD(M, do_silhouette_mult);
        const Field<M> base_mtl = optionalChildField<M>("base_mtl", &M::base_mtl, "");
        const Field<M> width_tex = optionalChildField<M>("width_tex", &M::width_tex, "width_tex");
        const Field<M> opacity_tex = optionalChildField<M>("opacity_tex", &M::opacity_tex, "opacity_tex");
        const Field<M> distort_tex = optionalChildField<M>("distort_tex", &M::distort_tex, "distort_tex");
        const Field<M> color_tex = optionalChildField<M>("color_tex", &M::color_tex, "color_tex");
        const Fields v1 = {base_mtl,         width,     width_tex_mult,   width_tex,  opacity,   opacity_tex_mult,
                           opacity_tex,      distort,   distort_tex_mult, distort_tex, color,    color_tex_mult,
                           color_tex,        z_threshold, trace_bias,     normal_threshold, line_units, do_secondary,
                           divide_by_distance, F::base()};
        return MaterialLayout<M>{
            {{"MaterialToon", 1, {v1, v1 + Fields{do_silhouette_mult, silhouette_mult}}},
             {base_mtl,       color_tex,   distort_tex,    opacity_tex,      width_tex,  color,        color_tex_mult,
              distort,        distort_tex_mult, opacity,   opacity_tex_mult, width,      width_tex_mult, z_threshold,
              trace_bias,     normal_threshold, line_units, silhouette_mult, do_secondary, divide_by_distance,
              do_silhouette_mult}}};
    }();
    return layout;
}

}  // namespace KilnCore
