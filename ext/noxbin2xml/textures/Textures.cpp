#include "textures/Textures.h"

namespace KilnCore {

// Each list gives the fields in record order, which is also their XML
// parameter order and the order in which children write their assets.

namespace {

template <class T>
ObjectLayout<T> layout(std::string_view className, uint16_t newest, const FieldList<T>& fields) {
    return layoutFromOneList(className, 1, newest, fields);
}

}  // namespace

// The record keeps both type identifiers ahead of both records.
const ObjectLayout<BitmapTexture>& BitmapTexture::layout() {
    using T = BitmapTexture;
    static const auto list = KilnCore::layout<T>(
        "BitmapTexture", 1,
        {Field<T>::with<ChildType<BaseUVW>>("uvwgen type", &T::uvwgen, Form::RecordOnly),
         Field<T>::with<ChildType<BaseBitmap>>("bitmap type", &T::bitmap, Form::RecordOnly),
         Field<T>::with<ChildRecord<BaseUVW>>("uvwgen", &T::uvwgen).under("uvwgen"),
         Field<T>::with<ChildRecord<BaseBitmap>>("bitmap", &T::bitmap).under("buffer"), {"tile", &T::tile}});
    return list;
}

const ObjectLayout<FresnelTexture>& FresnelTexture::layout() {
    using T = FresnelTexture;
    static const auto list = KilnCore::layout<T>(
        "FresnelTexture", 2,
        {{"white_color", &T::white_color},
         {"black_color", &T::black_color},
         {"fresnel_ior", &T::fresnel_ior},
         {"refract_ior", &T::refract_ior},
         Field<T>("black_color_tex_mult", &T::black_color_tex_mult).addedIn(2),
         Field<T>("white_color_tex_mult", &T::white_color_tex_mult).addedIn(2),
         Field<T>("fresnel_ior_tex_mult", &T::fresnel_ior_tex_mult).addedIn(2),
         Field<T>("refract_ior_tex_mult", &T::refract_ior_tex_mult).addedIn(2),
         optionalChildField<T>("black_color_tex", &T::black_color_tex, "reflection_tex"),
         optionalChildField<T>("white_color_tex", &T::white_color_tex, "refraction_tex"),
         optionalChildField<T>("fresnel_ior_tex", &T::fresnel_ior_tex, "fresnel_ior_tex"),
         optionalChildField<T>("refract_ior_tex", &T::refract_ior_tex, "refract_ior_tex")});
    return list;
}

const ObjectLayout<UVWTexture>& UVWTexture::layout() {
    using T = UVWTexture;
    static const auto list = KilnCore::layout<T>("UVWTexture", 1, {childField<T>("uvwgen", &T::uvwgen, "uvwgen")});
    return list;
}

const ObjectLayout<NoiseTexture>& NoiseTexture::layout() {
    using T = NoiseTexture;
    static const auto list = KilnCore::layout<T>("NoiseTexture", 1,
                                                 {childField<T>("uvwgen", &T::uvwgen, "uvwgen"),
                                                  optionalChildField<T>("color1_tex", &T::color1_tex, "color1_tex"),
                                                  optionalChildField<T>("color2_tex", &T::color2_tex, "color2_tex"),
                                                  {"color1", &T::color1},
                                                  {"color2", &T::color2},
                                                  {"persistence", &T::persistence},
                                                  {"amplitude_ratio", &T::amplitude_ratio},
                                                  {"frequency_ratio", &T::frequency_ratio},
                                                  {"frequency1", &T::frequency1},
                                                  {"amplitude1", &T::amplitude1},
                                                  {"size", &T::size},
                                                  {"mix_ratio", &T::mix_ratio},
                                                  {"bias", &T::bias},
                                                  {"color1_tex_mult", &T::color1_tex_mult},
                                                  {"color2_tex_mult", &T::color2_tex_mult},
                                                  {"octaves", &T::octaves},
                                                  {"noiseType", &T::noiseType},
                                                  {"inflection", &T::inflection}});
    return list;
}

const ObjectLayout<AColorTexture>& AColorTexture::layout() {
    using T = AColorTexture;
    static const auto list = KilnCore::layout<T>("AColorTexture", 1, {{"texture", &T::texture}});
    return list;
}

const ObjectLayout<CheckerTexture>& CheckerTexture::layout() {
    using T = CheckerTexture;
    static const auto list = KilnCore::layout<T>(
        "CheckerTexture", 2,
        {childField<T>("uvwgen", &T::uvwgen, "uvwgen"), childField<T>("white_color", &T::white_color, "white_color"), childField<T>("black_color", &T::black_color, "black_color"),
         {"tile_u", &T::tile_u}, {"tile_v", &T::tile_v},
         Field<T>("checkerFactor1", &T::checkerFactor1, Form::RecordOnly).addedIn(2),
         Field<T>("checkerFactor2", &T::checkerFactor2, Form::RecordOnly).addedIn(2)});
    return list;
}

const ObjectLayout<GridTexture>& GridTexture::layout() {
    using T = GridTexture;
    static const auto list = KilnCore::layout<T>(
        "GridTexture", 2,
        {childField<T>("uvwgen", &T::uvwgen, "uvwgen"), childField<T>("line_color", &T::line_color, "line_color"), childField<T>("fill_color", &T::fill_color, "fill_color"),
         Field<T>("gridFactor1", &T::gridFactor1, Form::RecordOnly).addedIn(2),
         Field<T>("gridFactor2", &T::gridFactor2, Form::RecordOnly).addedIn(2),
         Field<T>("u_width", &T::u_width).addedIn(2), Field<T>("v_width", &T::v_width).addedIn(2)});
    return list;
}

// One flag tiles both ways; it is written as both parameters.
const ObjectLayout<ClothTexture>& ClothTexture::layout() {
    using T = ClothTexture;
    static const auto list = KilnCore::layout<T>(
        "ClothTexture", 2,
        {childField<T>("uvwgen", &T::uvwgen, "uvwgen"), {"gap_color", &T::gap_color}, {"u_color", &T::u_color},
         {"v_color", &T::v_color}, {"u_width", &T::u_width}, {"v_width", &T::v_width},
         Field<T>("tile_u", &T::tile).addedIn(2), Field<T>("tile_v", &T::tile, Form::ParamOnly)});
    return list;
}

const ObjectLayout<BulgeTexture>& BulgeTexture::layout() {
    using T = BulgeTexture;
    static const auto list = KilnCore::layout<T>(
        "BulgeTexture", 1, {childField<T>("uvwgen", &T::uvwgen, "uvwgen"), {"u_width", &T::u_width}, {"v_width", &T::v_width}});
    return list;
}

const ObjectLayout<InvertTexture>& InvertTexture::layout() {
    using T = InvertTexture;
    static const auto list = KilnCore::layout<T>(
        "InvertTexture", 1, {childField<T>("texture", &T::texture, "base_texture"), {"invert_alpha", &T::invert_alpha}});
    return list;
}

const ObjectLayout<BlendTexture>& BlendTexture::layout() {
    using T = BlendTexture;
    static const auto list = KilnCore::layout<T>(
        "BlendTexture", 2,
        {optionalChildField<T>("color_a", &T::color_a, "color_a"), Field<T>("color_a_mult", &T::color_a_mult, Form::RecordOnly).addedIn(2),
         optionalChildField<T>("color_b", &T::color_b, "color_b"), Field<T>("color_b_mult", &T::color_b_mult, Form::RecordOnly).addedIn(2),
         Field<T>("blend_amount", &T::blend_amount).addedIn(2)});
    return list;
}

const ObjectLayout<RampTexture>& RampTexture::layout() {
    using T = RampTexture;
    static const auto list = KilnCore::layout<T>("RampTexture", 1,
                                                 {childField<T>("uvwgen", &T::uvwgen, "uvwgen"),
                                                  childField<T>("colors", &T::colors, "colors"),
                                                  {"positions", &T::positions},
                                                  {"u_wave", &T::u_wave},
                                                  {"v_wave", &T::v_wave},
                                                  {"type", &T::type},
                                                  {"interpolation", &T::interpolation}});
    return list;
}

}  // namespace KilnCore
