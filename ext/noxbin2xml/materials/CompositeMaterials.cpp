#include "materials/CompositeMaterials.h"

namespace KilnCore {

const Description<MaterialMulti>& MaterialMulti::description() {
    using M = MaterialMulti;
    static const Description<M> d{
        "MaterialMulti", {slot(&M::materials)}, 1, {{&M::materials, kUniqueName}, {&M::materials, kBase}}};
    return d;
}

const Description<MaterialBump>& MaterialBump::description() {
    using M = MaterialBump;
    static const Description<M> d{
        "MaterialBump",
        {slot(&M::base_mtl), texture(&M::bump_tex, "bump_tex"), value(&M::bump_tex_mult, 1.0f)},
        1,
        {{kUniqueName, fileName(&M::bump_tex), &M::bump_tex_mult, always(&M::base_mtl)},
         {kKeptName, &M::bump_tex_mult, &M::bump_tex, always(&M::base_mtl)},
         {&M::bump_tex_mult, &M::bump_tex, always(&M::base_mtl), kBase}},
        ReadReset::None,
        {{"bump_tex_mult", &M::bump_tex_mult}, {"base_mtl", &M::base_mtl}, {"bump_tex", &M::bump_tex}}};
    return d;
}

const Description<MaterialInstance>& MaterialInstance::description() {
    using M = MaterialInstance;
    static const Description<M> d{"MaterialInstance", {uncompared(sharedSlot(&M::instanceOf))}, 1, {{kBase}}};
    return d;
}

const Description<Material2Sided>& Material2Sided::description() {
    using M = Material2Sided;
    static const StepLayout<M> v1 = {&M::front,        &M::back,
                                       &M::translucency_tex, &M::translucency,
                                       &M::translucency_tex_mult, &M::force_1sided};
    static const StepLayout<M> v2 = join(v1, {&M::transparency_tex, &M::transparency, &M::transparency_tex_mult});
    static const Description<M> d{
        "Material2Sided",
        {slot(&M::front), slot(&M::back), texture(&M::translucency_tex, "translucency_tex"),
         texture(&M::transparency_tex, "transparency_tex"), value(&M::translucency, {}),
         value(&M::transparency, {}), value(&M::translucency_tex_mult, 1.0f),
         value(&M::transparency_tex_mult, 1.0f), value(&M::force_1sided, false)},
        1,
        {v1, v2, v2 + kBase},
        ReadReset::None,
        {{"front", &M::front},
         {"back", &M::back},
         {"translucency_tex", &M::translucency_tex},
         {"transparency_tex", &M::transparency_tex},
         {"translucency", &M::translucency},
         {"transparency", &M::transparency},
         {"translucency_tex_mult", &M::translucency_tex_mult},
         {"transparency_tex_mult", &M::transparency_tex_mult},
         {"force_1sided", &M::force_1sided}}};
    return d;
}

const Description<MaterialLinked>& MaterialLinked::description() {
    using M = MaterialLinked;
    static const Description<M> d{"MaterialLinked",
                                  {slot(&M::linked), slot(&M::idData)},
                                  1,
                                  {{&M::idData, always(&M::linked), kBase}},
                                  ReadReset::Full};
    return d;
}

const Description<MaterialSkp2Sided>& MaterialSkp2Sided::description() {
    using M = MaterialSkp2Sided;
    static const Description<M> d{
        "MaterialSkp2Sided",
        {slot(&M::front), slot(&M::back), value(&M::force_1sided, false)},
        1,
        {{kBase, &M::front, &M::back, &M::force_1sided}},
        ReadReset::None,
        {{"front", &M::front}, {"back", &M::back}, {"force_1sided", &M::force_1sided}}};
    return d;
}

const Description<MaterialOverrideEnvironment>& MaterialOverrideEnvironment::description() {
    using M = MaterialOverrideEnvironment;
    static const Description<M> d{
        "MaterialOverrideEnvironment",
        {slot(&M::base_mtl),
         texture(&M::gi_tex, "gi_tex"),
         texture(&M::bg_tex, "bg_tex"),
         texture(&M::reflect_tex, "reflect_tex"),
         texture(&M::refract_tex, "refract_tex"),
         value(&M::gi_color, {}),
         value(&M::bg_color, {}),
         value(&M::reflect_color, {}),
         value(&M::refract_color, {}),
         value(&M::bg_tex_mult, 1.0f),
         value(&M::gi_tex_mult, 1.0f),
         value(&M::reflect_tex_mult, 1.0f),
         value(&M::refract_tex_mult, 1.0f),
         value(&M::override_bg, false),
         value(&M::override_gi, false),
         value(&M::override_reflect, false),
         value(&M::override_refract, false)},
        1,
        {{kBase,
          &M::base_mtl,
          &M::bg_tex,
          &M::gi_tex,
          &M::reflect_tex,
          &M::refract_tex,
          &M::bg_color,
          &M::gi_color,
          &M::reflect_color,
          &M::refract_color,
          &M::bg_tex_mult,
          &M::gi_tex_mult,
          &M::reflect_tex_mult,
          &M::refract_tex_mult,
          &M::override_bg,
          &M::override_gi,
          &M::override_reflect,
          &M::override_refract}},
        ReadReset::Full};
    return d;
}

void MaterialOverrideEnvironment::writeXML(AssetXmlWriter& writer, const std::string& parentUrl) {
    MaterialWalk walk(this);
    if (base_mtl && !walk.tooDeep()) base_mtl->writeXML(writer, parentUrl);
}

const Description<MaterialDisplaced>& MaterialDisplaced::description() {
    using M = MaterialDisplaced;
    static const StepLayout<M> v1 = {kBase, &M::base_mtl, &M::displace_tex, &M::displace_tex_mult};
    static const Description<M> d{
        "MaterialDisplaced",
        {slot(&M::base_mtl), texture(&M::displace_tex, "displace_tex"), value(&M::displace_tex_mult, 1.0f),
         value(&M::displace_shift, 0.0f), value(&M::displace_edge_length, 4.0f),
         value(&M::displace_max_subdivs, 256), value(&M::displace_continuity, 1),
         value(&M::displace_view_dependent, 1), value(&M::displace_use_globals, 1)},
        1,
        {v1, join(v1, {&M::displace_shift, &M::displace_edge_length, &M::displace_max_subdivs,
                       &M::displace_continuity, &M::displace_view_dependent, &M::displace_use_globals})},
        ReadReset::Full};
    return d;
}

void MaterialDisplaced::writeXML(AssetXmlWriter& writer, const std::string& parentUrl) {
    MaterialWalk walk(this);
    if (base_mtl && !walk.tooDeep()) base_mtl->writeXML(writer, parentUrl + "/" + name);
}

const Description<MaterialObjectExclusion>& MaterialObjectExclusion::description() {
    using M = MaterialObjectExclusion;
    static const StepLayout<M> v1 = {&M::mode, &M::base_mtl, &M::objects};
    static const Description<M> d{
        "MaterialObjectExclusion",
        {slot(&M::base_mtl), value(&M::mode, 0), slot(&M::objects), value(&M::short_circuit, true)},
        1,
        {v1, v1 + kBase, v1 + kBase + &M::short_circuit},
        ReadReset::Full,
        {{"base_mtl", &M::base_mtl},
         {"mode", &M::mode},
         {"short_circuit", &M::short_circuit},
         {"objects", &M::objects}}};
    return d;
}

const Description<MaterialAlphaContribution>& MaterialAlphaContribution::description() {
    using M = MaterialAlphaContribution;
    static const Description<M> d{
        "MaterialAlphaContribution",
        {slot(&M::base_mtl), texture(&M::alpha_tex, "alpha_tex"), value(&M::alpha_tex_mult, 1.0f),
         value(&M::alpha, 1.0f)},
        1,
        {{kBase, &M::base_mtl, &M::alpha_tex, &M::alpha_tex_mult, &M::alpha}},
        ReadReset::Full,
        {{"alpha", &M::alpha},
         {"alpha_tex_mult", &M::alpha_tex_mult},
         {"base_mtl", &M::base_mtl},
         {"alpha_tex", &M::alpha_tex}}};
    return d;
}

const Description<MaterialAngleBlend>& MaterialAngleBlend::description() {
    using M = MaterialAngleBlend;
    static const Description<M> d{
        "MaterialAngleBlend",
        {slot(&M::mtl_one), slot(&M::mtl_two), value(&M::start_angle, 75.0f), value(&M::stop_angle, 150.0f)},
        1,
        {{kBase, &M::mtl_one, &M::mtl_two, &M::start_angle, &M::stop_angle}},
        ReadReset::Full,
        {{"mtl_one", &M::mtl_one},
         {"mtl_two", &M::mtl_two},
         {"start_angle", &M::start_angle},
         {"stop_angle", &M::stop_angle}}};
    return d;
}

const Description<MaterialReference>& MaterialReference::description() {
    using M = MaterialReference;
    static const Description<M> d{"MaterialReference",
                                  {slot(&M::referenceId), slot(&M::resolved)},
                                  1,
                                  {{kBase, &M::referenceId}, {kBase, &M::referenceId, &M::resolved}}};
    return d;
}

// A material the walk is already inside cannot be carried inside itself.
bool MaterialReference::serialize(QuickArchive& archive) {
    MaterialRef found = SceneMaterials::instance().getMaterialByUuid(referenceId);
    resolved = found && !MaterialWalk::inside(found.get()) && found.get() != this ? found : nullptr;
    return DescribedMaterial::serialize(archive);
}

void MaterialReference::writeXML(AssetXmlWriter& writer, const std::string& parentUrl) {
    MaterialWalk walk(this);
    if (resolved && !walk.tooDeep()) resolved->writeXML(writer, parentUrl);
}

const Description<MaterialToon>& MaterialToon::description() {
    using M = MaterialToon;
    static const StepLayout<M> v1 = {&M::base_mtl,
                                       &M::width,
                                       &M::width_tex_mult,
                                       &M::width_tex,
                                       &M::opacity,
                                       &M::opacity_tex_mult,
                                       &M::opacity_tex,
                                       &M::distort,
                                       &M::distort_tex_mult,
                                       &M::distort_tex,
                                       &M::color,
                                       &M::color_tex_mult,
                                       &M::color_tex,
                                       &M::z_threshold,
                                       &M::trace_bias,
                                       &M::normal_threshold,
                                       &M::line_units,
                                       &M::do_secondary,
                                       &M::divide_by_distance,
                                       kBase};
    static const Description<M> d{
        "MaterialToon",
        {slot(&M::base_mtl),
         texture(&M::color_tex, "color_tex"),
         texture(&M::distort_tex, "distort_tex"),
         texture(&M::opacity_tex, "opacity_tex"),
         texture(&M::width_tex, "width_tex"),
         value(&M::color, {}),
         value(&M::color_tex_mult, 1.0f),
         value(&M::distort, 0.0f),
         value(&M::distort_tex_mult, 1.0f),
         value(&M::opacity, 1.0f),
         value(&M::opacity_tex_mult, 1.0f),
         value(&M::width, 1.5f),
         value(&M::width_tex_mult, 1.0f),
         value(&M::z_threshold, 0.95f),
         value(&M::trace_bias, 0.02f),
         value(&M::normal_threshold, 0.7f),
         value(&M::line_units, 1.0f),
         value(&M::silhouette_mult, 1.5f),
         value(&M::do_secondary, true),
         value(&M::divide_by_distance, false),
         value(&M::do_silhouette_mult, false)},
        1,
        {v1, join(v1, {&M::do_silhouette_mult, &M::silhouette_mult})},
        ReadReset::Full,
        {{"base_mtl", &M::base_mtl},
         {"color_tex", &M::color_tex},
         {"distort_tex", &M::distort_tex},
         {"opacity_tex", &M::opacity_tex},
         {"width_tex", &M::width_tex},
         {"color", &M::color},
         {"color_tex_mult", &M::color_tex_mult},
         {"distort", &M::distort},
         {"distort_tex_mult", &M::distort_tex_mult},
         {"opacity", &M::opacity},
         {"opacity_tex_mult", &M::opacity_tex_mult},
         {"width", &M::width},
         {"width_tex_mult", &M::width_tex_mult},
         {"z_threshold", &M::z_threshold},
         {"trace_bias", &M::trace_bias},
         {"normal_threshold", &M::normal_threshold},
         {"line_units", &M::line_units},
         {"silhouette_mult", &M::silhouette_mult},
         {"do_secondary", &M::do_secondary},
         {"divide_by_distance", &M::divide_by_distance},
         {"do_silhouette_mult", &M::do_silhouette_mult}}};
    return d;
}

}  // namespace KilnCore
