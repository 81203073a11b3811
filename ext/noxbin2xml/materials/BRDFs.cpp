#include "materials/BRDFs.h"

namespace KilnCore {
namespace {

// Applies the Fresnel switch of an old record once the record is read.
template <class B>
void applyFresnelSwitch(B& brdf, uint16_t) {
    if (brdf.fresnelSwitch != 0) brdf.transparency_tex = makeFresnelTexture();
}

}  // namespace

const MaterialLayout<Diffuse_BRDF>& Diffuse_BRDF::layout() {
    using B = Diffuse_BRDF;
    using F = MaterialFields<B>;
    using Fields = FieldList<B>;
    static const MaterialLayout<B> layout = [] {
        KILN_FIELD(B, color);
        KILN_FIELD(B, transparency);
        KILN_FIELD(B, color_tex_mult);
        KILN_FIELD(B, transparency_tex_mult);
        const Field<B> use_color_tex_alpha_as_transparency{"use_color_tex_alpha_as_transparency",
                                                           &B::use_color_tex_alpha_as_transparency, Form::Uncompared};
        const Field<B> color_tex = optionalChildField<B>("color_tex", &B::color_tex, "color_texture");
        const Field<B> transparency_tex = optionalChildField<B>("transparency_tex", &B::transparency_tex, "transparency_texture");
        const Fields v2 = {color, transparency, color_tex_mult, transparency_tex_mult, color_tex, transparency_tex};
        return MaterialLayout<B>{
            {{"Diffuse_BRDF",
              1,
              {{color, transparency, color_tex_mult, transparency_tex_mult, F::fileName("color_tex", &B::color_tex),
                F::fileName("transparency_tex", &B::transparency_tex)},
               v2,
               v2 + F::template base<Base_BRDF>(),
               v2 + F::template base<Base_BRDF>() + use_color_tex_alpha_as_transparency}},
             {color, transparency, color_tex_mult, transparency_tex_mult, color_tex, transparency_tex,
              use_color_tex_alpha_as_transparency}}};
    }();
    return layout;
}

const MaterialLayout<Light_BRDF>& Light_BRDF::layout() {
    using B = Light_BRDF;
    using F = MaterialFields<B>;
    using Fields = FieldList<B>;
    static const MaterialLayout<B> layout = [] {
        KILN_FIELD(B, color);
        KILN_FIELD(B, transparency);
        KILN_FIELD(B, intensity);
        KILN_FIELD(B, extraFloat1);
        KILN_FIELD(B, color_tex_mult);
        KILN_FIELD(B, transparency_tex_mult);
        const Field<B> doubleSided{"doubleSided", &B::doubleSided, Form::Flag};
        const Field<B> color_tex = optionalChildField<B>("color_tex", &B::color_tex, "color_texture");
        const Field<B> transparency_tex = optionalChildField<B>("transparency_tex", &B::transparency_tex, "transp_texture");
        const Fields v3 = {color,          transparency,          intensity, extraFloat1,
                           color_tex_mult, transparency_tex_mult, color_tex, transparency_tex};
        return MaterialLayout<B>{
            {{"Light_BRDF",
              1,
              {{color, intensity, transparency_tex_mult, F::fileName("transparency_tex", &B::transparency_tex)},
               {color, transparency, intensity, extraFloat1, color_tex_mult, transparency_tex_mult,
                F::fileName("color_tex", &B::color_tex), F::fileName("transparency_tex", &B::transparency_tex)},
               v3,
               v3 + F::template base<Base_BRDF>(),
               v3 + F::template base<Base_BRDF>() + doubleSided}},
             {color, transparency, intensity, transparency_tex_mult, color_tex_mult, doubleSided, color_tex,
              transparency_tex}}};
    }();
    return layout;
}

// Versions 1 to 4 carry a dropped float and the Fresnel switch; version 5
// stores the transparency texture itself.
const MaterialLayout<Mirror_BRDF>& Mirror_BRDF::layout() {
    using B = Mirror_BRDF;
    using F = MaterialFields<B>;
    using Fields = FieldList<B>;
    static const MaterialLayout<B> layout = [] {
        KILN_FIELD(B, color);
        KILN_FIELD(B, transparency);
        KILN_FIELD(B, transparency_tex_mult);
        KILN_FIELD(B, color_tex_mult);
        KILN_FIELD(B, cutoff);
        KILN_FIELD(B, extraInt1);
        KILN_FIELD(B, fresnelSwitch);
        const Field<B> transparency_tex = optionalChildField<B>("transparency_tex", &B::transparency_tex, "transparency_texture");
        const Field<B> color_tex = optionalChildField<B>("color_tex", &B::color_tex, "color_texture");
        const Fields v1Head = {color, transparency, transparency_tex_mult, F::unusedFloat(), cutoff, fresnelSwitch,
                               extraInt1};
        const Fields v3 = v1Head + Fields{color_tex_mult, transparency_tex, color_tex};
        MaterialLayout<B> layout{
            {{"Mirror_BRDF",
              1,
              {v1Head + F::fileName("transparency_tex", &B::transparency_tex),
               v1Head + Fields{F::fileName("transparency_tex", &B::transparency_tex), color_tex_mult,
                               F::fileName("color_tex", &B::color_tex)},
               v3,
               v3 + F::template base<Base_BRDF>(),
               {color, transparency, transparency_tex_mult, cutoff, extraInt1, color_tex_mult,
                optionalChildField<B>("transparency_tex", &B::transparency_tex, "transparency_texture", Form::ClearFirst),
                color_tex, F::template base<Base_BRDF>()}}},
             {color, transparency, color_tex_mult, transparency_tex_mult, cutoff, transparency_tex, color_tex}}};
        layout.record.finish = applyFresnelSwitch<B>;
        return layout;
    }();
    return layout;
}

// Versions 1 to 5 carry a dropped float and the Fresnel switch; only version
// 6 stores the transparency texture and its multiplier.
template <class Final>
const MaterialLayout<Final>& GlossyBRDF<Final>::layout() {
    using B = GlossyBRDF<Final>;
    using F = MaterialFields<Final>;
    using Fields = FieldList<Final>;
    static const MaterialLayout<Final> layout = [] {
        const Field<Final> color{"color", &B::color}, transparency{"transparency", &B::transparency},
            hilightGlossiness{"hilightGlossiness", &B::hilightGlossiness},
            reflectionGlossiness{"reflectionGlossiness", &B::reflectionGlossiness}, cutoff{"cutoff", &B::cutoff},
            subdivs{"subdivs", &B::subdivs}, fresnelSwitch{"fresnelSwitch", &B::fresnelSwitch},
            back_side{"back_side", &B::back_side}, extraInt1{"extraInt1", &B::extraInt1},
            color_tex_mult{"color_tex_mult", &B::color_tex_mult},
            hilightGlossiness_tex_mult{"hilightGlossiness_tex_mult", &B::hilightGlossiness_tex_mult},
            reflectionGlossiness_tex_mult{"reflectionGlossiness_tex_mult", &B::reflectionGlossiness_tex_mult},
            transparency_tex_mult{"transparency_tex_mult", &B::transparency_tex_mult},
            anisotropy{"anisotropy", &B::anisotropy}, anisotropy_rotation{"anisotropy_rotation", &B::anisotropy_rotation};
        const Field<Final> color_tex = optionalChildField<Final>("color_tex", &B::color_tex, "color_texture");
        const Field<Final> hilightGlossiness_tex =
            optionalChildField<Final>("hilightGlossiness_tex", &B::hilightGlossiness_tex, "hilight_glossiness_texture");
        const Field<Final> reflectionGlossiness_tex =
            optionalChildField<Final>("reflectionGlossiness_tex", &B::reflectionGlossiness_tex, "reflection_glossiness_texture");
        const Field<Final> transparency_tex = optionalChildField<Final>("transparency_tex", &B::transparency_tex, "transparency_texture");
        const Fields v1 = {color,  transparency,  hilightGlossiness, reflectionGlossiness, F::unusedFloat(),
                           cutoff, subdivs,       fresnelSwitch,     back_side,            extraInt1};
        const Fields mults = {color_tex_mult, hilightGlossiness_tex_mult, reflectionGlossiness_tex_mult};
        const Fields v2 = v1 + mults +
                          Fields{F::fileName("color_tex", &B::color_tex),
                                 F::fileName("hilightGlossiness_tex", &B::hilightGlossiness_tex),
                                 F::fileName("reflectionGlossiness_tex", &B::reflectionGlossiness_tex)};
        const Fields v4 = v1 + mults +
                          Fields{color_tex, hilightGlossiness_tex, reflectionGlossiness_tex, anisotropy,
                                 anisotropy_rotation};
        MaterialLayout<Final> layout{
            {{Final::kClassName,
              1,
              {v1, v2, v2 + Fields{anisotropy, anisotropy_rotation}, v4, v4 + F::template base<Base_BRDF>(),
               {color, transparency, hilightGlossiness, reflectionGlossiness, cutoff, subdivs, back_side, extraInt1,
                color_tex_mult, hilightGlossiness_tex_mult, reflectionGlossiness_tex_mult, transparency_tex_mult,
                color_tex, hilightGlossiness_tex, reflectionGlossiness_tex, transparency_tex, anisotropy,
                anisotropy_rotation, F::template base<Base_BRDF>()}}},
             {color, transparency, hilightGlossiness, reflectionGlossiness, cutoff, subdivs, back_side,
              color_tex_mult, hilightGlossiness_tex_mult, reflectionGlossiness_tex_mult, transparency_tex_mult,
              anisotropy, anisotropy_rotation, color_tex, hilightGlossiness_tex, reflectionGlossiness_tex,
              transparency_tex}}};
        layout.record.finish = applyFresnelSwitch<Final>;
        return layout;
    }();
    return layout;
}

template const MaterialLayout<Blinn_BRDF>& GlossyBRDF<Blinn_BRDF>::layout();
template const MaterialLayout<Phong_BRDF>& GlossyBRDF<Phong_BRDF>::layout();

// The textures write their assets in another order than the parameters
// name them.
const MaterialLayout<Glass_BRDF>& Glass_BRDF::layout() {
    using B = Glass_BRDF;
    using F = MaterialFields<B>;
    using Fields = FieldList<B>;
    static const MaterialLayout<B> layout = [] {
        KILN_FIELD(B, color);
        KILN_FIELD(B, transparency);
        KILN_FIELD(B, fog_color);
        KILN_FIELD(B, translucency);
        KILN_FIELD(B, ior);
        KILN_FIELD(B, extraFloat1);
        KILN_FIELD(B, cutoff);
        KILN_FIELD(B, fog_color_mult);
        KILN_FIELD(B, glossiness);
        KILN_FIELD(B, color_tex_mult);
        KILN_FIELD(B, transparency_tex_mult);
        KILN_FIELD(B, glossiness_tex_mult);
        KILN_FIELD(B, ior_tex_mult);
        KILN_FIELD(B, translucency_tex_mult);
        KILN_FIELD(B, thickness);
        KILN_FIELD(B, scatter_coeff);
        KILN_FIELD(B, scatter_direction);
        KILN_FIELD(B, subdivs);
        KILN_FIELD(B, extraInt1);
        const Field<B> affect_shadows{"affect_shadows", &B::affect_shadows, Form::Flag};
        const Field<B> affect_alpha{"affect_alpha", &B::affect_alpha, Form::Flag};
        const Field<B> translucency_on{"translucency_on", &B::translucency_on, Form::Flag};
        const Field<B> transparency_tex = optionalChildField<B>("transparency_tex", &B::transparency_tex, "transparency_texture");
        const Field<B> color_tex = optionalChildField<B>("color_tex", &B::color_tex, "color_texture");
        const Field<B> glossiness_tex = optionalChildField<B>("glossiness_tex", &B::glossiness_tex, "glossy_texture");
        const Field<B> translucency_tex = optionalChildField<B>("translucency_tex", &B::translucency_tex, "translucency_texture");
        const Field<B> ior_tex = optionalChildField<B>("ior_texture", &B::ior_tex, "ior_texture");
        const Fields v1 = {color,          fog_color, ior,        extraFloat1,    cutoff,      fog_color_mult,
                           glossiness,     extraInt1, subdivs,    affect_shadows, affect_alpha};
        const Fields v2Head = v1 + Fields{transparency_tex_mult, glossiness_tex_mult, ior_tex_mult};
        const Fields translucent = {translucency_on,   thickness, scatter_coeff, scatter_direction,
                                    translucency_tex_mult, translucency};
        const Fields v2 = v2Head + Fields{F::fileName("transparency_tex", &B::transparency_tex),
                                          F::fileName("glossiness_tex", &B::glossiness_tex),
                                          F::fileName("translucency_tex", &B::translucency_tex)};
        const Fields v5 = v1 + Fields{color_tex_mult, glossiness_tex_mult, ior_tex_mult} + translucent +
                          Fields{color_tex, glossiness_tex, translucency_tex, ior_tex, transparency,
                                 transparency_tex_mult, transparency_tex};
        MaterialLayout<B> layout{
            {{"Glass_BRDF",
              1,
              {v1, v2, v2 + translucent + F::fileName("ior_texture", &B::ior_tex),
               v2Head + translucent + Fields{transparency_tex, glossiness_tex, translucency_tex, ior_tex}, v5,
               v5 + F::template base<Base_BRDF>()}},
             {color,          transparency,     fog_color,           translucency,  affect_shadows,
              affect_alpha,   translucency_on,  ior,                 fog_color_mult, glossiness,
              glossiness_tex_mult, ior_tex_mult, translucency_tex_mult, scatter_coeff, scatter_direction,
              thickness,      transparency_tex_mult, cutoff,         color_tex_mult, subdivs,
              transparency_tex, color_tex,      glossiness_tex,      ior_tex,        translucency_tex}},
            {transparency_tex, color_tex, glossiness_tex, translucency_tex, ior_tex}};
        layout.record.reset = Reset::BaseOnly;
        return layout;
    }();
    return layout;
}

}  // namespace KilnCore
