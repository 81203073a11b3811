#include "materials/MaterialDocument.h"

#include <set>

#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"

namespace KilnCore {
namespace {

// ---------------------------------------------------------------- search

// Each material is searched once, so references that lead back into the
// tree, or to a material reached before, cost nothing more.
void collect(const MaterialRef& m, int32_t typeId, std::vector<MaterialRef>& found,
             std::set<const BaseMaterial*>& seen, size_t depth) {
    if (!m || depth > MaterialWalk::kMaxDepth || !seen.insert(m.get()).second) return;
    if (m->typeId() == typeId) {
        found.push_back(m);
        return;
    }
    for (const MaterialRef& part : m->parts()) collect(part, typeId, found, seen, depth + 1);
}

template <class C>
std::shared_ptr<C> firstOfType(const MaterialRef& m, int32_t typeId) {
    const std::vector<MaterialRef> found = findMaterialsOfType(m, typeId);
    return found.empty() ? nullptr : std::dynamic_pointer_cast<C>(found.front());
}

// ---------------------------------------------------------------- flattening

using Bump = MaterialBump;
using Displaced = MaterialDisplaced;
using Override = MaterialOverrideEnvironment;
using Alpha = MaterialAlphaContribution;

// The parameters each wrapper adds to the flattened asset; their textures
// write their assets under the asset's URL and the parameter name.
template <class C>
Field<C> texture(std::string_view name, TextureRef C::*member) {
    return Field<C>(name, member).under(name);
}

const FieldList<Bump> kBumpParams = {{"bump_tex_mult", &Bump::bump_tex_mult}, texture("bump_tex", &Bump::bump_tex)};

const FieldList<Displaced> kDisplacedParams = {{"displace_shift", &Displaced::displace_shift},
                                               {"displace_edge_length", &Displaced::displace_edge_length},
                                               {"displace_tex_mult", &Displaced::displace_tex_mult},
                                               {"displace_max_subdivs", &Displaced::displace_max_subdivs},
                                               {"displace_continuity", &Displaced::displace_continuity},
                                               {"displace_view_dependent", &Displaced::displace_view_dependent},
                                               {"displace_use_globals", &Displaced::displace_use_globals},
                                               texture("displace_tex", &Displaced::displace_tex)};

const FieldList<Override> kOverrideParams = {texture("gi_tex", &Override::gi_tex),
                                             texture("bg_tex", &Override::bg_tex),
                                             texture("reflect_tex", &Override::reflect_tex),
                                             texture("refract_tex", &Override::refract_tex),
                                             {"gi_color", &Override::gi_color},
                                             {"bg_color", &Override::bg_color},
                                             {"reflect_color", &Override::reflect_color},
                                             {"refract_color", &Override::refract_color},
                                             {"bg_tex_mult", &Override::bg_tex_mult},
                                             {"gi_tex_mult", &Override::gi_tex_mult},
                                             {"reflect_tex_mult", &Override::reflect_tex_mult},
                                             {"refract_tex_mult", &Override::refract_tex_mult},
                                             {"override_bg", &Override::override_bg},
                                             {"override_gi", &Override::override_gi},
                                             {"override_reflect", &Override::override_reflect},
                                             {"override_refract", &Override::override_refract}};

const FieldList<Alpha> kAlphaParams = {{"alpha", &Alpha::alpha},
                                       {"alpha_tex_mult", &Alpha::alpha_tex_mult},
                                       texture("alpha_tex", &Alpha::alpha_tex)};

// The wrapper's texture assets, when the chain holds the wrapper.
template <class C>
void writeTextureAssets(AssetXmlWriter& w, const C* m, const std::string& url, const FieldList<C>& params) {
    if (m) writeChildAssets(w, *m, params, url);
}

// ---------------------------------------------------------------- layouts

// A part of a layout is written flattened under its own name before the
// layout's asset, and referred to as "/" and that name when it is set and,
// for a reference, names what it refers to.
struct LayoutPart : Codec<MaterialRef> {
    static void assets(AssetXmlWriter& w, const MaterialRef& part, const FieldSpec&, std::string_view) {
        writeFlattened(w, resolveReference(part));
    }
    static void param(AssetXmlWriter& w, const MaterialRef& part, const FieldSpec& f, std::string_view) {
        const auto* ref = dynamic_cast<const MaterialReference*>(part.get());
        if (part && (!ref || !ref->referenceId.empty())) w.writePluginParam(f.name, part.get(), "");
    }
};

template <class C>
struct Layout {
    const char* name;
    FieldList<C> params;
};

template <class C>
Field<C> part(std::string_view name, MaterialRef C::*member) {
    return Field<C>::template with<LayoutPart>(name, member);
}

const Layout<MaterialAngleBlend> kAngleBlendLayout = {"AngleBlendMatLayout",
                                                      {part("mtl_one", &MaterialAngleBlend::mtl_one),
                                                       part("mtl_two", &MaterialAngleBlend::mtl_two),
                                                       {"start_angle", &MaterialAngleBlend::start_angle},
                                                       {"stop_angle", &MaterialAngleBlend::stop_angle}}};

const Layout<Material2Sided> kTwoSidedLayout = {"TwoSidedMatLayout",
                                                {part("front", &Material2Sided::front),
                                                 part("back", &Material2Sided::back),
                                                 {"translucency", &Material2Sided::translucency},
                                                 {"force_1sided", &Material2Sided::force_1sided}}};

const Layout<MaterialSkp2Sided> kSkpTwoSidedLayout = {"SkpTwoSidedMatLayout",
                                                      {part("front", &MaterialSkp2Sided::front),
                                                       part("back", &MaterialSkp2Sided::back),
                                                       {"force_1sided", &MaterialSkp2Sided::force_1sided}}};

using Toon = MaterialToon;
const Layout<Toon> kToonLayout = {"ToonMatLayout",
                                  {part("base_mtl", &Toon::base_mtl),
                                   Field<Toon>("lineColorTex", &Toon::color_tex).under("color_tex"),
                                   Field<Toon>("distortTex", &Toon::distort_tex).under("distort_tex"),
                                   Field<Toon>("opacityTex", &Toon::opacity_tex).under("opacity_tex"),
                                   Field<Toon>("lineWidthTex", &Toon::width_tex).under("width_tex"),
                                   {"lineColor", &Toon::color},
                                   {"lineColorTexMult", &Toon::color_tex_mult},
                                   {"distort", &Toon::distort},
                                   {"distortTexMult", &Toon::distort_tex_mult},
                                   {"opacity", &Toon::opacity},
                                   {"opacityTexMult", &Toon::opacity_tex_mult},
                                   {"lineWidth", &Toon::width},
                                   {"lineWidthTexMult", &Toon::width_tex_mult},
                                   {"zThreshold", &Toon::z_threshold},
                                   {"traceBias", &Toon::trace_bias},
                                   {"normalThreshold", &Toon::normal_threshold},
                                   {"silhouetteMult", &Toon::silhouette_mult},
                                   {"doSecondary", &Toon::do_secondary},
                                   {"divideByDist", &Toon::divide_by_distance},
                                   {"doSilhouetteMult", &Toon::do_silhouette_mult}}};

// The parts flattened, then the textures' assets, then the layout asset.
template <class C>
bool writeLayoutIf(AssetXmlWriter& w, const MaterialRef& m, const Layout<C>& layout) {
    const auto* c = dynamic_cast<const C*>(m.get());
    if (!c) return false;
    const std::string url = "/" + c->name;
    writeChildAssets(w, *c, layout.params, url);
    writeParamAsset(w, *c, layout.params, {url, "material", layout.name, c->pluginType(), "material"});
    return true;
}

}  // namespace

MaterialRef resolveReference(const MaterialRef& m) {
    const auto* ref = dynamic_cast<const MaterialReference*>(m.get());
    return ref ? ref->resolved : m;
}

std::vector<MaterialRef> findMaterialsOfType(const MaterialRef& m, int32_t typeId) {
    std::vector<MaterialRef> found;
    std::set<const BaseMaterial*> seen;
    collect(m, typeId, found, seen, 0);
    return found;
}

void writeFlattened(AssetXmlWriter& w, MaterialRef m) {
    m = resolveReference(m);
    const auto core = firstOfType<MaterialLayeredBRDF>(m, MaterialType::Layered);
    if (!core) return;
    const std::string url = "/" + m->name;
    const auto bump = firstOfType<Bump>(m, MaterialType::Bump);
    const auto displaced = firstOfType<Displaced>(m, MaterialType::Displaced);
    const auto override = firstOfType<Override>(m, MaterialType::OverrideEnvironment);
    const auto exclusion = firstOfType<MaterialObjectExclusion>(m, MaterialType::ObjectExclusion);
    const auto alpha = firstOfType<Alpha>(m, MaterialType::AlphaContribution);

    writeTextureAssets(w, bump.get(), url, kBumpParams);
    writeTextureAssets(w, displaced.get(), url, kDisplacedParams);
    writeTextureAssets(w, override.get(), url, kOverrideParams);
    writeTextureAssets(w, alpha.get(), url, kAlphaParams);
    for (const BrdfRef& brdf : core->brdfs) brdf->writeXML(w, url);

    w.beginAsset(url, "material", "defkilnmat");
    w.beginPlugin("MtlTESSAR", "material");
    w.beginParameters();
    writeParams(w, *core, MaterialLayeredBRDF::layout().parameters, url);
    if (bump) {
        w.writeBoolParam("bump_on", true);
        writeParams(w, *bump, kBumpParams, url);
    }
    if (displaced) {
        w.writeBoolParam("displace_on", true);
        writeParams(w, *displaced, kDisplacedParams, url);
    }
    if (override) writeParams(w, *override, kOverrideParams, url);
    if (exclusion) {
        w.writeBoolParam("ignore_objects", exclusion->mode != 0);
        w.writeBoolParam("short_circuit", exclusion->short_circuit);
    }
    if (alpha) writeParams(w, *alpha, kAlphaParams, url);
    w.endParameters();
    w.endPlugin();
    w.endAsset();
}

void writeMaterialDocument(AssetXmlWriter& w, const MaterialRef& m) {
    w.beginElement("Assets");
    const bool layout = writeLayoutIf(w, m, kAngleBlendLayout) || writeLayoutIf(w, m, kTwoSidedLayout) ||
                        writeLayoutIf(w, m, kSkpTwoSidedLayout) || writeLayoutIf(w, m, kToonLayout);
    if (!layout) writeFlattened(w, m);
    w.endElement("Assets");
}

}  // namespace KilnCore
