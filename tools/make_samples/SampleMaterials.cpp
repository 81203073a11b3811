#include "SampleMaterials.h"

#include <cstdio>

#include "SampleSet.h"
#include "SampleTextures.h"
#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/SceneMaterials.h"

using namespace KilnCore;

namespace samples {

std::string sampleUuid(int number) {
    char text[40];
    std::snprintf(text, sizeof text, "5A3F1C00-8B2D-4E6F-9A71-%012X", number);
    return text;
}

namespace {

template <class M>
std::shared_ptr<M> named(const std::string& name, int uuidNumber) {
    auto material = std::make_shared<M>();
    material->name = name;
    material->uuid = sampleUuid(uuidNumber);
    return material;
}

template <class B>
std::shared_ptr<B> brdf(const std::string& name) {
    auto layer = std::make_shared<B>();
    layer->name = name;
    return layer;
}

std::shared_ptr<Diffuse_BRDF> diffuse(const std::string& name, Color color, TextureRef colorTexture = nullptr) {
    auto layer = brdf<Diffuse_BRDF>(name);
    layer->color = color;
    layer->color_tex = std::move(colorTexture);
    layer->color_tex_mult = 0.8f;
    return layer;
}

std::shared_ptr<MaterialLayeredBRDF> layered(const std::string& name, int uuidNumber,
                                             std::vector<BrdfRef> layers) {
    auto material = named<MaterialLayeredBRDF>(name, uuidNumber);
    material->brdfs = std::move(layers);
    return material;
}

MaterialRef oakFloor() {
    auto gloss = brdf<Blinn_BRDF>("Oak Varnish");
    gloss->reflectionGlossiness = 0.85f;
    gloss->reflectionGlossiness_tex = bitmapTexture("C:\\Textures\\oak-gloss.png");
    gloss->subdivs = 16;
    return layered("Oak Floor", 1,
                   {diffuse("Oak Base", {0.55f, 0.35f, 0.2f}, bitmapTexture("C:\\Textures\\oak.jpg")), gloss});
}

MaterialRef frostedGlass() {
    auto glass = brdf<Glass_BRDF>("Frosted");
    glass->glossiness = 0.7f;
    glass->ior = 1.52f;
    glass->fog_color = {0.9f, 1.0f, 0.95f};
    glass->glossiness_tex = noiseOverChecker();
    glass->affect_shadows = 1;
    auto material = named<MaterialSingleBRDF>("Frosted Glass", 2);
    material->brdf = glass;
    return material;
}

MaterialRef plaster() { return layered("Plaster", 3, {diffuse("Plaster Base", {0.85f, 0.83f, 0.78f})}); }

MaterialRef cobblestone() {
    auto displaced = named<MaterialDisplaced>("Cobblestone", 4);
    displaced->base_mtl = layered("Cobble Base", 5, {diffuse("Cobble", {0.4f, 0.4f, 0.42f})});
    displaced->displace_tex = bulgeTexture();
    displaced->displace_shift = -0.5f;
    displaced->displace_max_subdivs = 512;
    return displaced;
}

MaterialRef multiFacade() {
    auto multi = named<MaterialMulti>("Facade Set", 6);
    multi->materials = {plaster(), frostedGlass()};
    return multi;
}

MaterialRef roughCobblestone() {
    auto bump = named<MaterialBump>("Rough Cobblestone", 7);
    bump->base_mtl = cobblestone();
    bump->bump_tex = noiseOverChecker();
    bump->bump_tex_mult = 0.35f;
    return bump;
}

MaterialRef oakInstance() { return named<MaterialInstance>("Oak Instance", 8); }

MaterialRef leaf() {
    auto twoSided = named<Material2Sided>("Leaf", 9);
    twoSided->front = layered("Leaf Front", 10, {diffuse("Leaf Green", {0.2f, 0.55f, 0.1f})});
    twoSided->back = layered("Leaf Back", 11, {diffuse("Leaf Pale", {0.45f, 0.7f, 0.3f})});
    twoSided->translucency_tex = gridTexture();
    twoSided->translucency = {0.3f, 0.5f, 0.2f};
    return twoSided;
}

MaterialRef linkedWall() {
    auto linked = named<MaterialLinked>("Linked Wall", 12);
    linked->idData.kind = 0;
    linked->idData.textId = "skp:Wall_Paint";
    linked->linked = layered("Wall Paint", 13, {diffuse("Paint", {0.95f, 0.95f, 0.9f})});
    return linked;
}

MaterialRef curtain() {
    auto twoSided = named<MaterialSkp2Sided>("Curtain", 14);
    twoSided->front = layered("Curtain Front", 15, {diffuse("Velvet", {0.5f, 0.05f, 0.1f}, clothTexture())});
    twoSided->back = layered("Curtain Lining", 16, {diffuse("Lining", {0.9f, 0.88f, 0.8f})});
    twoSided->force_1sided = true;
    return twoSided;
}

MaterialRef chromeOverride() {
    auto mirror = brdf<Mirror_BRDF>("Chrome");
    mirror->color = {0.95f, 0.95f, 0.97f};
    mirror->transparency_tex = nullptr;
    auto override = named<MaterialOverrideEnvironment>("Chrome Studio", 17);
    override->base_mtl = layered("Chrome", 18, {mirror});
    override->bg_tex = environmentBitmap("C:\\HDRI\\studio.hdr");
    override->override_bg = true;
    override->override_reflect = true;
    override->reflect_color = {0.2f, 0.2f, 0.25f};
    return override;
}

MaterialRef shadowCatcher() {
    auto exclusion = named<MaterialObjectExclusion>("Shadow Catcher", 19);
    exclusion->base_mtl = layered("Ground Matte", 20, {diffuse("Matte", {0.5f, 0.5f, 0.5f})});
    exclusion->mode = 1;
    exclusion->objects = {"Ground Plane", "Terrain#2"};
    exclusion->short_circuit = false;
    return exclusion;
}

MaterialRef cutout() {
    auto alpha = named<MaterialAlphaContribution>("Fence Cutout", 21);
    alpha->base_mtl = layered("Fence Paint", 22, {diffuse("Fence", {0.3f, 0.25f, 0.2f})});
    alpha->alpha_tex = invertedBitmap("C:\\Textures\\fence-mask.png");
    alpha->alpha = 0.5f;
    return alpha;
}

MaterialRef carPaint() {
    auto glow = brdf<Light_BRDF>("Glow");
    glow->color = {0.1f, 0.3f, 1.0f};
    glow->intensity = 3.0f;
    glow->color_tex = constantColor(0.2f, 0.4f, 1.0f);
    auto blend = named<MaterialAngleBlend>("Car Paint", 23);
    blend->mtl_one = layered("Paint Red", 24, {diffuse("Red", {0.7f, 0.02f, 0.02f})});
    blend->mtl_two = layered("Paint Flip", 25, {glow});
    blend->start_angle = 60.0f;
    blend->stop_angle = 170.0f;
    return blend;
}

MaterialRef oakReference() {
    auto reference = named<MaterialReference>("Oak Reference", 26);
    reference->referenceId = sampleUuid(1);  // Oak Floor
    return reference;
}

MaterialRef toonOutline() {
    auto phong = brdf<Phong_BRDF>("Toon Shine");
    phong->hilightGlossiness = 0.6f;
    phong->anisotropy = 0.3f;
    auto toon = named<MaterialToon>("Toon Outline", 27);
    toon->base_mtl = layered("Toon Base", 28, {diffuse("Flat", {1.0f, 0.8f, 0.1f}), phong});
    toon->color_tex = rampOverFresnel();
    toon->width_tex = blendTexture();
    toon->distort_tex = clothTexture();
    toon->width = 2.5f;
    toon->do_silhouette_mult = true;
    return toon;
}

}  // namespace

std::vector<MaterialSample> materialSamples() {
    return {
        {"single-brdf", frostedGlass()},   {"layered", oakFloor()},
        {"multi", multiFacade()},          {"bump", roughCobblestone()},
        {"instance", oakInstance()},       {"two-sided", leaf()},
        {"linked", linkedWall()},          {"skp-two-sided", curtain()},
        {"override-environment", chromeOverride()}, {"displaced", cobblestone()},
        {"object-exclusion", shadowCatcher()},      {"alpha-contribution", cutout()},
        {"angle-blend", carPaint()},       {"reference", oakReference()},
        {"toon", toonOutline()},
    };
}

void addMaterialSamples(SampleSet& set) {
    SceneMaterials& library = libraryInUse();
    library.reset();
    library.addMaterial(oakFloor());  // what the reference resolves to
    for (const MaterialSample& sample : materialSamples()) {
        const std::string path =
            "materials/" + sample.file + "-" + std::to_string(sample.material->typeId()) + ".rec";
        set.add(path, [&](QuickArchive& ar) { return sample.material->serialize(ar); });
    }
    library.reset();
}

}  // namespace samples
