#include "textures/Textures.h"

namespace KilnCore {

// Each list gives the fields in record order, which is also their XML
// parameter order and the order in which sub-objects are written.

const TextureFields<BitmapTexture>& BitmapTexture::fields() {
    using T = BitmapTexture;
    static const TextureFields<T> list{
        slot(&T::uvwgen, "uvwgen"),
        slot(&T::bitmap, "bitmap", "buffer"),
        value(&T::tile, "tile"),
    };
    return list;
}

const TextureFields<FresnelTexture>& FresnelTexture::fields() {
    using T = FresnelTexture;
    static const TextureFields<T> list{
        value(&T::white_color, "white_color"),
        value(&T::black_color, "black_color"),
        value(&T::fresnel_ior, "fresnel_ior"),
        value(&T::refract_ior, "refract_ior"),
        value(&T::black_color_tex_mult, "black_color_tex_mult", 2),
        value(&T::white_color_tex_mult, "white_color_tex_mult", 2),
        value(&T::fresnel_ior_tex_mult, "fresnel_ior_tex_mult", 2),
        value(&T::refract_ior_tex_mult, "refract_ior_tex_mult", 2),
        optionalSlot(&T::black_color_tex, "black_color_tex", "reflection_tex"),
        optionalSlot(&T::white_color_tex, "white_color_tex", "refraction_tex"),
        optionalSlot(&T::fresnel_ior_tex, "fresnel_ior_tex"),
        optionalSlot(&T::refract_ior_tex, "refract_ior_tex"),
    };
    return list;
}

const TextureFields<UVWTexture>& UVWTexture::fields() {
    using T = UVWTexture;
    static const TextureFields<T> list{
        slot(&T::uvwgen, "uvwgen"),
    };
    return list;
}

const TextureFields<NoiseTexture>& NoiseTexture::fields() {
    using T = NoiseTexture;
    static const TextureFields<T> list{
        slot(&T::uvwgen, "uvwgen"),
        optionalSlot(&T::color1_tex, "color1_tex"),
        optionalSlot(&T::color2_tex, "color2_tex"),
        value(&T::color1, "color1"),
        value(&T::color2, "color2"),
        value(&T::persistence, "persistence"),
        value(&T::amplitude_ratio, "amplitude_ratio"),
        value(&T::frequency_ratio, "frequency_ratio"),
        value(&T::frequency1, "frequency1"),
        value(&T::amplitude1, "amplitude1"),
        value(&T::size, "size"),
        value(&T::mix_ratio, "mix_ratio"),
        value(&T::bias, "bias"),
        value(&T::color1_tex_mult, "color1_tex_mult"),
        value(&T::color2_tex_mult, "color2_tex_mult"),
        value(&T::octaves, "octaves"),
        value(&T::noiseType, "noiseType"),
        value(&T::inflection, "inflection"),
    };
    return list;
}

const TextureFields<AColorTexture>& AColorTexture::fields() {
    using T = AColorTexture;
    static const TextureFields<T> list{
        value(&T::texture, "texture"),
    };
    return list;
}

const TextureFields<CheckerTexture>& CheckerTexture::fields() {
    using T = CheckerTexture;
    static const TextureFields<T> list{
        slot(&T::uvwgen, "uvwgen"),        slot(&T::white_color, "white_color"), slot(&T::black_color, "black_color"),
        value(&T::tile_u, "tile_u"),       value(&T::tile_v, "tile_v"),          recordOnly(&T::checkerFactor1, 2),
        recordOnly(&T::checkerFactor2, 2),
    };
    return list;
}

const TextureFields<GridTexture>& GridTexture::fields() {
    using T = GridTexture;
    static const TextureFields<T> list{
        slot(&T::uvwgen, "uvwgen"),       slot(&T::line_color, "line_color"), slot(&T::fill_color, "fill_color"),
        recordOnly(&T::gridFactor1, 2),   recordOnly(&T::gridFactor2, 2),     value(&T::u_width, "u_width", 2),
        value(&T::v_width, "v_width", 2),
    };
    return list;
}

const TextureFields<ClothTexture>& ClothTexture::fields() {
    using T = ClothTexture;
    static const TextureFields<T> list{
        slot(&T::uvwgen, "uvwgen"),    value(&T::gap_color, "gap_color"), value(&T::u_color, "u_color"),
        value(&T::v_color, "v_color"), value(&T::u_width, "u_width"),     value(&T::v_width, "v_width"),
        value(&T::tile, "tile_u", 2),  alsoWrittenAs(&T::tile, "tile_v"),
    };
    return list;
}

const TextureFields<BulgeTexture>& BulgeTexture::fields() {
    using T = BulgeTexture;
    static const TextureFields<T> list{
        slot(&T::uvwgen, "uvwgen"),
        value(&T::u_width, "u_width"),
        value(&T::v_width, "v_width"),
    };
    return list;
}

const TextureFields<InvertTexture>& InvertTexture::fields() {
    using T = InvertTexture;
    static const TextureFields<T> list{
        slot(&T::texture, "texture", "base_texture"),
        value(&T::invert_alpha, "invert_alpha"),
    };
    return list;
}

const TextureFields<BlendTexture>& BlendTexture::fields() {
    using T = BlendTexture;
    static const TextureFields<T> list{
        optionalSlot(&T::color_a, "color_a"),       recordOnly(&T::color_a_mult, 2),
        optionalSlot(&T::color_b, "color_b"),       recordOnly(&T::color_b_mult, 2),
        value(&T::blend_amount, "blend_amount", 2),
    };
    return list;
}

const TextureFields<RampTexture>& RampTexture::fields() {
    using T = RampTexture;
    static const TextureFields<T> list{
        slot(&T::uvwgen, "uvwgen"),
        slot(&T::colors, "colors"),
        value(&T::positions, "positions"),
        value(&T::u_wave, "u_wave"),
        value(&T::v_wave, "v_wave"),
        value(&T::type, "type"),
        value(&T::interpolation, "interpolation"),
    };
    return list;
}

// BitmapTexture's record: version word, both type identifiers, both
// records, then tile.

bool BitmapTexture::serialize(QuickArchive& ar) {
    if (!uvwgen || !bitmap) return false;
    ar.writeUInt32(versionWord(kVersion));
    ar.writeInt32(uvwgen->typeId());
    ar.writeInt32(bitmap->typeId());
    if (!uvwgen->serialize(ar) || !bitmap->serialize(ar)) return false;
    ar.writeBool(tile);
    return true;
}

bool BitmapTexture::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, kClassName);
    reset();
    uint16_t version;
    if (!rec.readVersion(version, 1, kVersion)) return false;
    const uint64_t idsAt = ar.readPos();
    int32_t uvwId = -1, bitmapId = -1;  // a record that ends here names nothing
    ar.readInt32(uvwId);
    ar.readInt32(bitmapId);
    uvwgen = createUVW(uvwId);
    if (!uvwgen) return rec.failAt(idsAt, "unknown UVW type " + std::to_string(uvwId));
    bitmap = createBitmap(bitmapId);
    if (!bitmap) return rec.failAt(idsAt + 4, "unknown bitmap type " + std::to_string(bitmapId));
    for (TessarSerializable* child :
         {static_cast<TessarSerializable*>(uvwgen.get()), static_cast<TessarSerializable*>(bitmap.get())}) {
        const uint64_t at = ar.readPos();
        if (!child->deserialize(ar)) {
            rec.markChildFailed(at);
            return rec.failAt(at, "nested record failed");
        }
    }
    ar.readBool(tile);
    return true;
}

}  // namespace KilnCore
