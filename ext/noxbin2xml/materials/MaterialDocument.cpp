#include "materials/MaterialDocument.h"

#include <set>

#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"

namespace KilnCore {
namespace {

// ---------------------------------------------------------------- search

template <class C, class... Members>
std::vector<MaterialRef> partsOf(const MaterialRef& m, Members... members) {
    const auto* c = dynamic_cast<const C*>(m.get());
    if (!c) return {};
    return {c->*members...};
}

// The sub-materials a search descends into.
std::vector<MaterialRef> searchedParts(const MaterialRef& m) {
    switch (m->typeId()) {
        case 3: return partsOf<MaterialBump>(m, &MaterialBump::base_mtl);
        case 5: return partsOf<Material2Sided>(m, &Material2Sided::front, &Material2Sided::back);
        case 6: return partsOf<MaterialLinked>(m, &MaterialLinked::linked);
        case 7: return partsOf<MaterialSkp2Sided>(m, &MaterialSkp2Sided::front, &MaterialSkp2Sided::back);
        case 8: return partsOf<MaterialOverrideEnvironment>(m, &MaterialOverrideEnvironment::base_mtl);
        case 9: return partsOf<MaterialDisplaced>(m, &MaterialDisplaced::base_mtl);
        case 10: return partsOf<MaterialObjectExclusion>(m, &MaterialObjectExclusion::base_mtl);
        case 11: return partsOf<MaterialAlphaContribution>(m, &MaterialAlphaContribution::base_mtl);
        case 12: return partsOf<MaterialAngleBlend>(m, &MaterialAngleBlend::mtl_one, &MaterialAngleBlend::mtl_two);
        case 14: return partsOf<MaterialToon>(m, &MaterialToon::base_mtl);
        case 13:
            if (const auto* ref = dynamic_cast<const MaterialReference*>(m.get())) {
                MaterialRef target = SceneMaterials::instance().getMaterialByUuid(ref->referenceId);
                return {target ? target : ref->resolved};
            }
            return {};
        default: return {};
    }
}

// Each material is searched once, so references that lead back into the
// tree, or to a material reached before, cost nothing more.
void collect(const MaterialRef& m, int32_t typeId, std::vector<MaterialRef>& found,
             std::set<const BaseMaterial*>& seen, size_t depth) {
    if (!m || depth > MaterialWalk::kMaxDepth || !seen.insert(m.get()).second) return;
    if (m->typeId() == typeId) {
        found.push_back(m);
        return;
    }
    for (const MaterialRef& part : searchedParts(m)) collect(part, typeId, found, seen, depth + 1);
}

template <class C>
std::shared_ptr<C> firstOfType(const MaterialRef& m, int32_t typeId) {
    const std::vector<MaterialRef> found = findMaterialsOfType(m, typeId);
    return found.empty() ? nullptr : std::dynamic_pointer_cast<C>(found.front());
}

// ---------------------------------------------------------------- flattening

template <class C>
void writeParams(AssetXmlWriter& w, C& m, const std::string& url, const std::vector<Param<C>>& params) {
    for (const Param<C>& p : params) fields::writeParam(m, w, url, p, C::description().fields);
}

// The textures among the parameters write their sub-assets, when set.
template <class C>
void writeTextureAssets(AssetXmlWriter& w, C* m, const std::string& url, const std::vector<Param<C>>& params) {
    if (!m) return;
    for (const Param<C>& p : params) {
        const auto* texture = std::get_if<TextureRef C::*>(&p.member);
        if (texture && m->**texture)
            (m->**texture)->writeXML(w, url + "/" + fields::subAssetOf(C::description().fields, p.member, p.name));
    }
}

using Bump = MaterialBump;
using Displaced = MaterialDisplaced;
using Override = MaterialOverrideEnvironment;
using Alpha = MaterialAlphaContribution;

const std::vector<Param<Bump>> kBumpParams = {{"bump_tex_mult", &Bump::bump_tex_mult}, {"bump_tex", &Bump::bump_tex}};

const std::vector<Param<Displaced>> kDisplacedParams = {
    {"displace_shift", &Displaced::displace_shift},
    {"displace_edge_length", &Displaced::displace_edge_length},
    {"displace_tex_mult", &Displaced::displace_tex_mult},
    {"displace_max_subdivs", &Displaced::displace_max_subdivs},
    {"displace_continuity", &Displaced::displace_continuity},
    {"displace_view_dependent", &Displaced::displace_view_dependent},
    {"displace_use_globals", &Displaced::displace_use_globals},
    {"displace_tex", &Displaced::displace_tex}};

const std::vector<Param<Override>> kOverrideParams = {
    {"gi_tex", &Override::gi_tex},
    {"bg_tex", &Override::bg_tex},
    {"reflect_tex", &Override::reflect_tex},
    {"refract_tex", &Override::refract_tex},
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

const std::vector<Param<Alpha>> kAlphaParams = {
    {"alpha", &Alpha::alpha}, {"alpha_tex_mult", &Alpha::alpha_tex_mult}, {"alpha_tex", &Alpha::alpha_tex}};

// ---------------------------------------------------------------- layouts

template <class C>
struct Layout {
    const char* name;
    std::vector<MaterialRef C::*> parts;
    std::vector<Param<C>> params;
};

const Layout<MaterialAngleBlend> kAngleBlendLayout = {
    "AngleBlendMatLayout",
    {&MaterialAngleBlend::mtl_one, &MaterialAngleBlend::mtl_two},
    {{"mtl_one", &MaterialAngleBlend::mtl_one},
     {"mtl_two", &MaterialAngleBlend::mtl_two},
     {"start_angle", &MaterialAngleBlend::start_angle},
     {"stop_angle", &MaterialAngleBlend::stop_angle}}};

const Layout<Material2Sided> kTwoSidedLayout = {"TwoSidedMatLayout",
                                                {&Material2Sided::front, &Material2Sided::back},
                                                {{"front", &Material2Sided::front},
                                                 {"back", &Material2Sided::back},
                                                 {"translucency", &Material2Sided::translucency},
                                                 {"force_1sided", &Material2Sided::force_1sided}}};

const Layout<MaterialSkp2Sided> kSkpTwoSidedLayout = {"SkpTwoSidedMatLayout",
                                                      {&MaterialSkp2Sided::front, &MaterialSkp2Sided::back},
                                                      {{"front", &MaterialSkp2Sided::front},
                                                       {"back", &MaterialSkp2Sided::back},
                                                       {"force_1sided", &MaterialSkp2Sided::force_1sided}}};

using Toon = MaterialToon;
const Layout<Toon> kToonLayout = {"ToonMatLayout",
                                  {&Toon::base_mtl},
                                  {{"base_mtl", &Toon::base_mtl},
                                   {"lineColorTex", &Toon::color_tex},
                                   {"distortTex", &Toon::distort_tex},
                                   {"opacityTex", &Toon::opacity_tex},
                                   {"lineWidthTex", &Toon::width_tex},
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

// A part is referred to only when it is set, and, for a reference, names
// what it refers to.
bool usable(const MaterialRef& part) {
    if (!part) return false;
    const auto* ref = dynamic_cast<const MaterialReference*>(part.get());
    return !ref || !ref->referenceId.empty();
}

// Parts are written flattened under their own names, so a part parameter
// refers to "/" and the part's name.
template <class C>
void writeLayoutAsset(AssetXmlWriter& w, C& m, const Layout<C>& layout) {
    const std::string url = "/" + m.name;
    for (MaterialRef C::*part : layout.parts) writeFlattened(w, resolveReference(m.*part));
    writeTextureAssets(w, &m, url, layout.params);
    w.beginAsset(url, "material", layout.name);
    w.beginPlugin(m.pluginType(), "material");
    w.beginParameters();
    for (const Param<C>& p : layout.params) {
        if (const auto* part = std::get_if<MaterialRef C::*>(&p.member)) {
            if (usable(m.**part)) w.writePluginParam(p.name, (m.**part).get(), "");
        } else {
            fields::writeParam(m, w, url, p, C::description().fields);
        }
    }
    w.endParameters();
    w.endPlugin();
    w.endAsset();
}

template <class C>
bool writeLayoutIf(AssetXmlWriter& w, const MaterialRef& m, const Layout<C>& layout) {
    auto* c = dynamic_cast<C*>(m.get());
    if (c) writeLayoutAsset(w, *c, layout);
    return c != nullptr;
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
    const auto core = firstOfType<MaterialLayeredBRDF>(m, 1);
    if (!core) return;
    const std::string url = "/" + m->name;
    const auto bump = firstOfType<Bump>(m, 3);
    const auto displaced = firstOfType<Displaced>(m, 9);
    const auto override = firstOfType<Override>(m, 8);
    const auto exclusion = firstOfType<MaterialObjectExclusion>(m, 10);
    const auto alpha = firstOfType<Alpha>(m, 11);

    writeTextureAssets(w, bump.get(), url, kBumpParams);
    writeTextureAssets(w, displaced.get(), url, kDisplacedParams);
    writeTextureAssets(w, override.get(), url, kOverrideParams);
    writeTextureAssets(w, alpha.get(), url, kAlphaParams);
    for (const BrdfRef& brdf : core->brdfs) brdf->writeXML(w, url);

    w.beginAsset(url, "material", "defkilnmat");
    w.beginPlugin("MtlTESSAR", "material");
    w.beginParameters();
    writeParams(w, *core, url, MaterialLayeredBRDF::description().params);
    if (bump) {
        w.writeBoolParam("bump_on", true);
        writeParams(w, *bump, url, kBumpParams);
    }
    if (displaced) {
        w.writeBoolParam("displace_on", true);
        writeParams(w, *displaced, url, kDisplacedParams);
    }
    if (override) writeParams(w, *override, url, kOverrideParams);
    if (exclusion) {
        w.writeBoolParam("ignore_objects", exclusion->mode != 0);
        w.writeBoolParam("short_circuit", exclusion->short_circuit);
    }
    if (alpha) writeParams(w, *alpha, url, kAlphaParams);
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
