// Material samples in old record versions. The current writers only write
// the newest versions, so these records are spelled out field by field, in
// the layouts older releases of the plug-in wrote; the nested parts that
// were already current then are written by their own writers.
#include "SampleSet.h"
#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "serial/Types.h"
#include "textures/Textures.h"

using namespace KilnCore;

namespace samples {
namespace {

constexpr Color kBlack{0, 0, 0};
constexpr Color kWhite{1, 1, 1};
const Transform kIdentity{};

// ---------------------------------------------------------------- textures

// Channel generator, version 1: the texture rotation and mirror flags stood
// where the component records are now.
void channelUvwV1(QuickArchive& ar, int32_t channel) {
    ar.writeUInt32(versionWord(1));
    ar.writeTransform(kIdentity);  // uvw_transform
    ar.writeTransform(kIdentity);  // tex_transform
    ar.writeFloat(30.0f);          // x rotation
    ar.writeFloat(0.0f);           // y rotation
    ar.writeInt32(0);              // x mirror
    ar.writeInt32(1);              // y mirror
    ar.writeInt32(1);              // wrap_u
    ar.writeInt32(1);              // wrap_v
    ar.writeInt32(channel);
}

// Environment generator, version 1: z and x rotation and mirror flags.
void environmentUvwV1(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeMatrix(Matrix3{});
    ar.writeInt32(0);       // angular mapping
    ar.writeFloat(45.0f);   // z rotation
    ar.writeFloat(10.0f);   // x rotation
    ar.writeInt32(0);       // z mirror
    ar.writeInt32(0);       // x mirror
}

bool aColor(QuickArchive& ar, AColor color) {
    ar.writeInt32(TextureType::AColor);
    return AColorTexture(color).serialize(ar);
}

// Checker, version 1: no factors after the tile flags.
void checkerV1(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeInt32(UvwType::Channel);
    channelUvwV1(ar, 2);
    aColor(ar, {0.8f, 0.2f, 0.1f, 1.0f});
    aColor(ar, {0.1f, 0.1f, 0.1f, 1.0f});
    ar.writeBool(true);   // tile_u
    ar.writeBool(false);  // tile_v
}

// Fresnel, version 1: no multipliers; its reflection input is a checker.
void fresnelV1(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeColor(kWhite);
    ar.writeColor({0.3f, 0.3f, 0.35f});
    ar.writeFloat(1.6f);  // fresnel_ior
    ar.writeFloat(1.5f);  // refract_ior
    ar.writeBool(true);
    ar.writeInt32(TextureType::Checker);
    checkerV1(ar);
    for (int empty = 0; empty < 3; ++empty) ar.writeBool(false);
}

// Blend, version 1: the two inputs only (a Fresnel over an environment
// bitmap), no multipliers or amount.
void blendV1(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeBool(true);
    ar.writeInt32(TextureType::Fresnel);
    fresnelV1(ar);
    ar.writeBool(true);
    ar.writeInt32(0);  // bitmap texture: both ids, then both records
    ar.writeUInt32(versionWord(1));
    ar.writeInt32(UvwType::Environment);
    ar.writeInt32(0);  // bitmap buffer
    environmentUvwV1(ar);
    ar.writeUInt32(versionWord(1));
    ar.writeInt32(1);     // filter_type
    ar.writeFloat(0.1f);  // filter_blur
    ar.writeFloat(1.0f);  // gamma
    ar.writeWString("C:\\Old Textures\\sky.bmp");
    ar.writeBool(true);   // tile
}

// Sky, version 2: no sun of its own, so it shows the default sun; a plain
// placement, the settings and its identifier.
void skyV2(QuickArchive& ar) {
    ar.writeUInt32(versionWord(2));
    ar.writeBool(false);  // no sun of its own
    Transform placement;
    placement.offset = {0, 0, 100};
    ar.writeTransform(placement);
    ar.writeVector({0, 0, 1});  // up_vector
    for (float setting : {0.0f, 3.5f, 2.0f, 1.0f, 1.0f, 50.0f, 150.0f, 0.35f}) ar.writeFloat(setting);
    for (int32_t subdivs : {500, 1000, 8}) ar.writeInt32(subdivs);
    ar.writeBool(true);   // skyFlag1
    ar.writeBool(false);  // skyFlag2
    ar.writeWString("7E8F9A0B-1C2D-4E3F-8A4B-5C6D7E8F9A0B");
}

// ---------------------------------------------------------------- BRDFs

void brdfBaseV2(QuickArchive& ar, const std::string& name) {
    ar.writeUInt32(versionWord(2));
    ar.writeWString(name);
    ar.writeBool(true);  // flag1
}

// Diffuse, version 1: the two textures were bare file names.
void diffuseV1(QuickArchive& ar, Color color, const std::string& colorFile) {
    ar.writeUInt32(versionWord(1));
    ar.writeColor(color);
    ar.writeColor(kBlack);       // transparency
    ar.writeFloat(0.9f);         // color_tex_mult
    ar.writeFloat(1.0f);         // transparency_tex_mult
    ar.writeWString(colorFile);  // color texture
    ar.writeWString("");         // no transparency texture
}

// Diffuse, version 3: nested textures and an older base record.
void diffuseV3(QuickArchive& ar, const std::string& name, int32_t textureType, void (*colorTexture)(QuickArchive&)) {
    ar.writeUInt32(versionWord(3));
    ar.writeColor({0.7f, 0.7f, 0.65f});
    ar.writeColor(kBlack);
    ar.writeFloat(1.0f);
    ar.writeFloat(1.0f);
    ar.writeBool(true);
    ar.writeInt32(textureType);
    colorTexture(ar);
    ar.writeBool(false);
    brdfBaseV2(ar, name);
}

// Phong, version 2: a dropped float, a Fresnel switch, three file names.
void phongV2(QuickArchive& ar) {
    ar.writeUInt32(versionWord(2));
    ar.writeColor({0.9f, 0.9f, 0.9f});
    ar.writeColor(kWhite);   // transparency
    ar.writeFloat(0.75f);    // hilightGlossiness
    ar.writeFloat(0.8f);     // reflectionGlossiness
    ar.writeFloat(0.0f);     // dropped
    ar.writeFloat(0.02f);    // cutoff
    ar.writeInt32(12);       // subdivs
    ar.writeInt32(1);        // Fresnel switch: a Fresnel transparency
    ar.writeInt32(0);        // back_side
    ar.writeInt32(5);        // extraInt1
    ar.writeFloat(1.0f);     // color_tex_mult
    ar.writeFloat(0.5f);     // hilightGlossiness_tex_mult
    ar.writeFloat(1.0f);     // reflectionGlossiness_tex_mult
    ar.writeWString("");
    ar.writeWString("");
    ar.writeWString("C:\\Old Textures\\oak-gloss.bmp");
}

// Mirror, version 1: a Fresnel switch and one file name.
void mirrorV1(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeColor({0.6f, 0.6f, 0.6f});
    ar.writeColor(kWhite);  // transparency
    ar.writeFloat(1.0f);    // transparency_tex_mult
    ar.writeFloat(0.0f);    // dropped
    ar.writeFloat(0.01f);   // cutoff
    ar.writeInt32(0);       // no Fresnel transparency
    ar.writeInt32(1);       // extraInt1
    ar.writeWString("");    // no transparency texture
}

// Glass, version 3: four file names, the fourth after the translucency.
void glassV3(QuickArchive& ar) {
    ar.writeUInt32(versionWord(3));
    ar.writeColor(kWhite);
    ar.writeColor({0.85f, 0.95f, 0.9f});  // fog_color
    ar.writeFloat(1.5f);                  // ior
    ar.writeFloat(1.5f);                  // extraFloat1
    ar.writeFloat(0.001f);                // cutoff
    ar.writeFloat(0.5f);                  // fog_color_mult
    ar.writeFloat(0.9f);                  // glossiness
    ar.writeInt32(5);                     // extraInt1
    ar.writeInt32(10);                    // subdivs
    ar.writeInt32(1);                     // affect_shadows
    ar.writeInt32(0);                     // affect_alpha
    ar.writeFloat(1.0f);                  // transparency_tex_mult
    ar.writeFloat(0.7f);                  // glossiness_tex_mult
    ar.writeFloat(1.0f);                  // ior_tex_mult
    ar.writeWString("");
    ar.writeWString("C:\\Old Textures\\frost.bmp");
    ar.writeWString("");
    ar.writeInt32(1);                     // translucency_on
    ar.writeFloat(250.0f);                // thickness
    ar.writeFloat(0.1f);                  // scatter_coeff
    ar.writeFloat(0.8f);                  // scatter_direction
    ar.writeFloat(1.0f);                  // translucency_tex_mult
    ar.writeColor({0.9f, 0.8f, 0.7f});    // translucency
    ar.writeWString("C:\\Old Textures\\ior-map.bmp");
}

// Light, version 2: colour, transparency, four floats, two file names.
void lightV2(QuickArchive& ar) {
    ar.writeUInt32(versionWord(2));
    ar.writeColor({1.0f, 0.9f, 0.6f});
    ar.writeColor(kBlack);
    ar.writeFloat(4.0f);  // intensity
    ar.writeFloat(1.0f);  // extraFloat1
    ar.writeFloat(1.0f);  // color_tex_mult
    ar.writeFloat(1.0f);  // transparency_tex_mult
    ar.writeWString("C:\\Old Textures\\lamp.bmp");
    ar.writeWString("");
}

// ---------------------------------------------------------------- materials

void materialBaseV1(QuickArchive& ar, const std::string& name) {
    ar.writeUInt32(versionWord(1));
    ar.writeWString(name);
}

// Layered material, version 1: its name inline at the end, no base record.
bool layeredV1(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeUInt32(3);
    ar.writeInt32(BrdfType::Diffuse);
    diffuseV1(ar, {0.55f, 0.35f, 0.2f}, "C:\\Old Textures\\oak.bmp");
    ar.writeInt32(BrdfType::Phong);
    phongV2(ar);
    ar.writeInt32(BrdfType::Mirror);
    mirrorV1(ar);
    ar.writeInt32(1);  // double_sided
    ar.writeInt32(0);  // extraInt1
    ar.writeWString("Old Oak");
    return true;
}

// Layered material, version 3 with a version-1 base record (no identifier):
// BRDFs holding old textures.
bool layeredV3(QuickArchive& ar) {
    ar.writeUInt32(versionWord(3));
    ar.writeUInt32(3);
    ar.writeInt32(BrdfType::Diffuse);
    diffuseV3(ar, "Tile Glaze", TextureType::Fresnel, fresnelV1);
    ar.writeInt32(BrdfType::Diffuse);
    diffuseV3(ar, "Tile Sky", TextureType::Blend, blendV1);
    ar.writeInt32(BrdfType::Light);
    lightV2(ar);
    ar.writeInt32(0);  // double_sided
    ar.writeInt32(0);  // extraInt1
    ar.writeInt32(1);  // extraInt2
    ar.writeInt32(1);  // extraInt3
    materialBaseV1(ar, "Old Tiles");
    return true;
}

// Bump, version 1: name and bump file name inline, then the base material.
bool bumpV1(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeWString("Old Stucco");
    ar.writeWString("C:\\Old Textures\\stucco-bump.bmp");
    ar.writeFloat(0.6f);
    ar.writeInt32(MaterialType::Layered);
    ar.writeUInt32(versionWord(2));
    ar.writeUInt32(1);
    ar.writeInt32(BrdfType::Diffuse);
    diffuseV1(ar, {0.9f, 0.88f, 0.82f}, "");
    ar.writeInt32(1);  // double_sided
    ar.writeInt32(0);  // extraInt1
    materialBaseV1(ar, "Stucco Base");
    return true;
}

// Single-BRDF material, version 1: its name inline before the BRDF.
bool singleBrdfV1(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeInt32(0);  // extraInt1
    ar.writeInt32(0);  // extraInt2
    ar.writeWString("Old Glass");
    ar.writeInt32(BrdfType::Glass);
    glassV3(ar);
    return true;
}

// An environment override (its only version) whose background is a
// version-2 sky: the document holds the default sun as it is when the record
// is read.
bool overrideWithOldSky(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeUInt32(versionWord(2));  // base record
    ar.writeWString("Old Sky Override");
    ar.writeWString("5A3F1C00-8B2D-4E6F-9A71-0000000000C8");
    auto base = std::make_shared<MaterialLayeredBRDF>();
    base->name = "Old Sky Base";
    base->brdfs = {std::make_shared<Diffuse_BRDF>()};
    ar.writeBool(true);
    if (!writeChild<BaseMaterial>(ar, base)) return false;
    ar.writeBool(true);  // bg_tex
    ar.writeInt32(TextureType::Sky);
    skyV2(ar);
    for (int empty = 0; empty < 3; ++empty) ar.writeBool(false);  // gi, reflect, refract textures
    for (int color = 0; color < 4; ++color) ar.writeColor(kBlack);
    for (int mult = 0; mult < 4; ++mult) ar.writeFloat(1.0f);
    for (bool on : {true, false, false, false}) ar.writeBool(on);  // override_bg, _gi, _reflect, _refract
    return true;
}

}  // namespace

void addOldRecordSamples(SampleSet& set) {
    set.add("materials/layered-v1-1.rec", layeredV1);
    set.add("materials/layered-v3-1.rec", layeredV3);
    set.add("materials/bump-v1-3.rec", bumpV1);
    set.add("materials/single-brdf-v1-0.rec", singleBrdfV1);
    set.add("materials/override-environment-old-sky-8.rec", overrideWithOldSky);
}

}  // namespace samples
