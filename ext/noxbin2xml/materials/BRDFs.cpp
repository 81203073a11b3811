#include "materials/BRDFs.h"

namespace KilnCore {

const Description<Diffuse_BRDF>& Diffuse_BRDF::description() {
    using B = Diffuse_BRDF;
    static const StepLayout<B> v2 = {&B::color,          &B::transparency,     &B::color_tex_mult,
                                       &B::transparency_tex_mult, &B::color_tex, &B::transparency_tex};
    static const Description<B> d{
        "Diffuse_BRDF",
        {value(&B::color, {0.5f, 0.5f, 0.5f}), value(&B::transparency, {}), value(&B::color_tex_mult, 1.0f),
         value(&B::transparency_tex_mult, 1.0f), texture(&B::color_tex, "color_texture"),
         texture(&B::transparency_tex, "transparency_texture"),
         uncompared(value(&B::use_color_tex_alpha_as_transparency, false))},
        1,
        {{&B::color, &B::transparency, &B::color_tex_mult, &B::transparency_tex_mult, fileName(&B::color_tex),
          fileName(&B::transparency_tex)},
         v2,
         v2 + kBase,
         v2 + kBase + &B::use_color_tex_alpha_as_transparency},
        ReadReset::Full,
        {{"color", &B::color},
         {"transparency", &B::transparency},
         {"color_tex_mult", &B::color_tex_mult},
         {"transparency_tex_mult", &B::transparency_tex_mult},
         {"color_tex", &B::color_tex},
         {"transparency_tex", &B::transparency_tex},
         {"use_color_tex_alpha_as_transparency", &B::use_color_tex_alpha_as_transparency}}};
    return d;
}

const Description<Light_BRDF>& Light_BRDF::description() {
    using B = Light_BRDF;
    static const StepLayout<B> v3 = {&B::color,          &B::transparency,          &B::intensity,
                                       &B::extraFloat1,    &B::color_tex_mult,        &B::transparency_tex_mult,
                                       &B::color_tex,      &B::transparency_tex};
    static const Description<B> d{
        "Light_BRDF",
        {value(&B::color, {1, 1, 1}), value(&B::transparency, {}), value(&B::intensity, 1.0f),
         value(&B::extraFloat1, 1.0f), value(&B::transparency_tex_mult, 1.0f), value(&B::color_tex_mult, 1.0f),
         texture(&B::color_tex, "color_texture"), texture(&B::transparency_tex, "transp_texture"),
         value(&B::doubleSided, 1)},
        1,
        {{&B::color, &B::intensity, &B::transparency_tex_mult, fileName(&B::transparency_tex)},
         {&B::color, &B::transparency, &B::intensity, &B::extraFloat1, &B::color_tex_mult,
          &B::transparency_tex_mult, fileName(&B::color_tex), fileName(&B::transparency_tex)},
         v3,
         v3 + kBase,
         v3 + kBase + &B::doubleSided},
        ReadReset::Full,
        {{"color", &B::color},
         {"transparency", &B::transparency},
         {"intensity", &B::intensity},
         {"transparency_tex_mult", &B::transparency_tex_mult},
         {"color_tex_mult", &B::color_tex_mult},
         {"doubleSided", &B::doubleSided, asBool},
         {"color_tex", &B::color_tex},
         {"transparency_tex", &B::transparency_tex}}};
    return d;
}

// Versions 1 to 4 carry a dropped float and a switch that asks for a Fresnel
// transparency; version 5 stores the transparency texture itself.
const Description<Mirror_BRDF>& Mirror_BRDF::description() {
    using B = Mirror_BRDF;
    static const StepLayout<B> v1Head = {&B::color,  &B::transparency, &B::transparency_tex_mult, kSkipFloat,
                                           &B::cutoff, fresnelSwitch(&B::transparency_tex), &B::extraInt1};
    static const StepLayout<B> v3 = join(v1Head, {&B::color_tex_mult, &B::transparency_tex, &B::color_tex});
    static const Description<B> d{
        "Mirror_BRDF",
        {value(&B::color, {1, 1, 1}), value(&B::transparency, {1, 1, 1}), value(&B::transparency_tex_mult, 1.0f),
         value(&B::color_tex_mult, 1.0f), value(&B::cutoff, 0.01f), value(&B::extraInt1, 1),
         fresnelTexture(&B::transparency_tex, "transparency_texture"), texture(&B::color_tex, "color_texture")},
        1,
        {v1Head + fileName(&B::transparency_tex),
         join(v1Head, {fileName(&B::transparency_tex), &B::color_tex_mult, fileName(&B::color_tex)}),
         v3,
         v3 + kBase,
         {&B::color, &B::transparency, &B::transparency_tex_mult, &B::cutoff, &B::extraInt1, &B::color_tex_mult,
          cleared(&B::transparency_tex), &B::color_tex, kBase}},
        ReadReset::Full,
        {{"color", &B::color},
         {"transparency", &B::transparency},
         {"color_tex_mult", &B::color_tex_mult},
         {"transparency_tex_mult", &B::transparency_tex_mult},
         {"cutoff", &B::cutoff},
         {"transparency_tex", &B::transparency_tex},
         {"color_tex", &B::color_tex}}};
    return d;
}

// Versions 1 to 5 carry a dropped float and a Fresnel switch; only version 6
// stores the transparency texture and its multiplier.
template <class Final>
const Description<GlossyBRDF<Final>>& GlossyBRDF<Final>::description() {
    using B = GlossyBRDF<Final>;
    static const StepLayout<B> v1 = {&B::color,     &B::transparency, &B::hilightGlossiness,
                                       &B::reflectionGlossiness, kSkipFloat, &B::cutoff,
                                       &B::subdivs,   fresnelSwitch(&B::transparency_tex),
                                       &B::back_side, &B::extraInt1};
    static const StepLayout<B> mults = {&B::color_tex_mult, &B::hilightGlossiness_tex_mult,
                                          &B::reflectionGlossiness_tex_mult};
    static const StepLayout<B> v2 = join(join(v1, mults), {fileName(&B::color_tex), fileName(&B::hilightGlossiness_tex),
                                                             fileName(&B::reflectionGlossiness_tex)});
    static const StepLayout<B> v4 = join(join(v1, mults), {&B::color_tex, &B::hilightGlossiness_tex,
                                                             &B::reflectionGlossiness_tex, &B::anisotropy,
                                                             &B::anisotropy_rotation});
    static const Description<B> d{
        std::is_same_v<Final, Blinn_BRDF> ? "Blinn_BRDF" : "Phong_BRDF",
        {value(&B::color, {1, 1, 1}), value(&B::transparency, {1, 1, 1}), value(&B::hilightGlossiness, 1.0f),
         value(&B::reflectionGlossiness, 1.0f), value(&B::cutoff, 0.01f),
         value(&B::hilightGlossiness_tex_mult, 1.0f), value(&B::reflectionGlossiness_tex_mult, 1.0f),
         value(&B::color_tex_mult, 1.0f), value(&B::transparency_tex_mult, 1.0f), value(&B::anisotropy, 0.0f),
         value(&B::anisotropy_rotation, 0.0f), value(&B::subdivs, 8), value(&B::extraInt1, 5),
         value(&B::back_side, 0), texture(&B::color_tex, "color_texture"),
         texture(&B::hilightGlossiness_tex, "hilight_glossiness_texture"),
         texture(&B::reflectionGlossiness_tex, "reflection_glossiness_texture"),
         fresnelTexture(&B::transparency_tex, "transparency_texture")},
        1,
        {v1,
         v2,
         join(v2, {&B::anisotropy, &B::anisotropy_rotation}),
         v4,
         v4 + kBase,
         {&B::color,
          &B::transparency,
          &B::hilightGlossiness,
          &B::reflectionGlossiness,
          &B::cutoff,
          &B::subdivs,
          &B::back_side,
          &B::extraInt1,
          &B::color_tex_mult,
          &B::hilightGlossiness_tex_mult,
          &B::reflectionGlossiness_tex_mult,
          &B::transparency_tex_mult,
          &B::color_tex,
          &B::hilightGlossiness_tex,
          &B::reflectionGlossiness_tex,
          &B::transparency_tex,
          &B::anisotropy,
          &B::anisotropy_rotation,
          kBase}},
        ReadReset::Full,
        {{"color", &B::color},
         {"transparency", &B::transparency},
         {"hilightGlossiness", &B::hilightGlossiness},
         {"reflectionGlossiness", &B::reflectionGlossiness},
         {"cutoff", &B::cutoff},
         {"subdivs", &B::subdivs},
         {"back_side", &B::back_side},
         {"color_tex_mult", &B::color_tex_mult},
         {"hilightGlossiness_tex_mult", &B::hilightGlossiness_tex_mult},
         {"reflectionGlossiness_tex_mult", &B::reflectionGlossiness_tex_mult},
         {"transparency_tex_mult", &B::transparency_tex_mult},
         {"anisotropy", &B::anisotropy},
         {"anisotropy_rotation", &B::anisotropy_rotation},
         {"color_tex", &B::color_tex},
         {"hilightGlossiness_tex", &B::hilightGlossiness_tex},
         {"reflectionGlossiness_tex", &B::reflectionGlossiness_tex},
         {"transparency_tex", &B::transparency_tex}}};
    return d;
}

template const Description<GlossyBRDF<Blinn_BRDF>>& GlossyBRDF<Blinn_BRDF>::description();
template const Description<GlossyBRDF<Phong_BRDF>>& GlossyBRDF<Phong_BRDF>::description();

// Reading resets only the name and flags: fields an old version lacks keep
// the values they had. The texture fields are listed in sub-asset order.
const Description<Glass_BRDF>& Glass_BRDF::description() {
    using B = Glass_BRDF;
    static const StepLayout<B> v1 = {&B::color,          &B::fog_color, &B::ior,      &B::extraFloat1,
                                       &B::cutoff,         &B::fog_color_mult, &B::glossiness, &B::extraInt1,
                                       &B::subdivs,        &B::affect_shadows, &B::affect_alpha};
    static const StepLayout<B> v2Head = join(v1, {&B::transparency_tex_mult, &B::glossiness_tex_mult,
                                                    &B::ior_tex_mult});
    static const StepLayout<B> translucency = {&B::translucency_on,   &B::thickness,
                                                 &B::scatter_coeff,     &B::scatter_direction,
                                                 &B::translucency_tex_mult, &B::translucency};
    static const StepLayout<B> v2 = join(v2Head, {fileName(&B::transparency_tex), fileName(&B::glossiness_tex),
                                                    fileName(&B::translucency_tex)});
    static const StepLayout<B> v5 =
        join(join(join(v1, {&B::color_tex_mult, &B::glossiness_tex_mult, &B::ior_tex_mult}), translucency),
             {&B::color_tex, &B::glossiness_tex, &B::translucency_tex, &B::ior_tex, &B::transparency,
              &B::transparency_tex_mult, &B::transparency_tex});
    static const Description<B> d{
        "Glass_BRDF",
        {value(&B::color, {1, 1, 1}),
         value(&B::transparency, {}),
         value(&B::fog_color, {1, 1, 1}),
         value(&B::translucency, {1, 1, 1}),
         value(&B::ior, 1.55f),
         value(&B::extraFloat1, 1.55f),
         value(&B::cutoff, 0.001f),
         value(&B::fog_color_mult, 1.0f),
         value(&B::glossiness, 1.0f),
         value(&B::color_tex_mult, 1.0f),
         value(&B::transparency_tex_mult, 1.0f),
         value(&B::glossiness_tex_mult, 1.0f),
         value(&B::ior_tex_mult, 1.0f),
         value(&B::translucency_tex_mult, 1.0f),
         value(&B::thickness, 1000.0f),
         value(&B::scatter_coeff, 0.0f),
         value(&B::scatter_direction, 1.0f),
         value(&B::subdivs, 8),
         value(&B::extraInt1, 5),
         value(&B::affect_shadows, 0),
         value(&B::affect_alpha, 0),
         value(&B::translucency_on, 0),
         texture(&B::transparency_tex, "transparency_texture"),
         texture(&B::color_tex, "color_texture"),
         texture(&B::glossiness_tex, "glossy_texture"),
         texture(&B::translucency_tex, "translucency_texture"),
         texture(&B::ior_tex, "ior_texture")},
        1,
        {v1,
         v2,
         join(join(v2, translucency), {fileName(&B::ior_tex)}),
         join(join(v2Head, translucency),
              {&B::transparency_tex, &B::glossiness_tex, &B::translucency_tex, &B::ior_tex}),
         v5,
         v5 + kBase},
        ReadReset::BaseOnly,
        {{"color", &B::color},
         {"transparency", &B::transparency},
         {"fog_color", &B::fog_color},
         {"translucency", &B::translucency},
         {"affect_shadows", &B::affect_shadows, asBool},
         {"affect_alpha", &B::affect_alpha, asBool},
         {"translucency_on", &B::translucency_on, asBool},
         {"ior", &B::ior},
         {"fog_color_mult", &B::fog_color_mult},
         {"glossiness", &B::glossiness},
         {"glossiness_tex_mult", &B::glossiness_tex_mult},
         {"ior_tex_mult", &B::ior_tex_mult},
         {"translucency_tex_mult", &B::translucency_tex_mult},
         {"scatter_coeff", &B::scatter_coeff},
         {"scatter_direction", &B::scatter_direction},
         {"thickness", &B::thickness},
         {"transparency_tex_mult", &B::transparency_tex_mult},
         {"cutoff", &B::cutoff},
         {"color_tex_mult", &B::color_tex_mult},
         {"subdivs", &B::subdivs},
         {"transparency_tex", &B::transparency_tex},
         {"color_tex", &B::color_tex},
         {"glossiness_tex", &B::glossiness_tex},
         {"ior_texture", &B::ior_tex},
         {"translucency_tex", &B::translucency_tex}}};
    return d;
}

}  // namespace KilnCore
