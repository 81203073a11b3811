#include "SampleTextures.h"

#include "textures/BitmapBuffer.h"
#include "textures/Textures.h"
#include "textures/UvwGenerators.h"

using namespace KilnCore;

namespace samples {

TextureRef bitmapTexture(const std::string& file, int channel) {
    auto uvw = std::make_shared<GenChannelUVW>();
    uvw->uvw_channel = channel;
    uvw->texComponents.x_scale = 2.0f;
    uvw->wrap_u = 1;
    auto buffer = std::make_shared<BitmapBuffer>();
    buffer->file = file;
    buffer->gamma = 2.2f;
    auto texture = std::make_shared<BitmapTexture>();
    texture->uvwgen = uvw;
    texture->bitmap = buffer;
    return texture;
}

TextureRef environmentBitmap(const std::string& file) {
    auto uvw = std::make_shared<GenEnvironmentUVW>();
    uvw->uvwComponents.z_rotation = 90.0f;
    auto buffer = std::make_shared<BitmapBuffer>();
    buffer->file = file;
    buffer->filter_type = 2;
    auto texture = std::make_shared<BitmapTexture>();
    texture->uvwgen = uvw;
    texture->bitmap = buffer;
    return texture;
}

TextureRef constantColor(float r, float g, float b, float a) {
    return std::make_shared<AColorTexture>(AColor{r, g, b, a});
}

TextureRef noiseOverChecker() {
    auto checker = std::make_shared<CheckerTexture>();
    checker->white_color = constantColor(0.9f, 0.9f, 0.85f);
    checker->tile_v = false;
    auto noise = std::make_shared<NoiseTexture>();
    noise->uvwgen = std::make_shared<GenChannelUVW>();
    noise->color1_tex = checker;
    noise->color2_tex = constantColor(0.2f, 0.2f, 0.25f);
    noise->size = 4.0f;
    noise->octaves = 5;
    noise->noiseType = 1;
    return noise;
}

TextureRef gridTexture() {
    auto grid = std::make_shared<GridTexture>();
    grid->uvwgen = std::make_shared<GenPlanarWorldUVW>();
    grid->line_color = constantColor(0.1f, 0.1f, 0.1f);
    grid->fill_color = constantColor(0.8f, 0.75f, 0.7f);
    grid->u_width = 0.05f;
    return grid;
}

TextureRef clothTexture() {
    auto cloth = std::make_shared<ClothTexture>();
    cloth->uvwgen = std::make_shared<GenChannelUVW>();
    cloth->u_color = {0.6f, 0.1f, 0.1f, 1.0f};
    cloth->v_width = 0.2f;
    cloth->tile = false;
    return cloth;
}

TextureRef bulgeTexture() {
    auto uvw = std::make_shared<GenObjectUVW>();
    uvw->uvwComponents.z_scale = 0.5f;
    auto bulge = std::make_shared<BulgeTexture>();
    bulge->uvwgen = uvw;
    bulge->u_width = 0.3f;
    return bulge;
}

TextureRef invertedBitmap(const std::string& file) {
    auto invert = std::make_shared<InvertTexture>();
    invert->texture = bitmapTexture(file, 2);
    invert->invert_alpha = true;
    return invert;
}

TextureRef blendTexture() {
    auto uvwTexture = std::make_shared<UVWTexture>();
    uvwTexture->uvwgen = std::make_shared<GenChannelUVW>();
    auto blend = std::make_shared<BlendTexture>();
    blend->color_a = bitmapTexture("C:\\Textures\\paper.png");
    blend->color_b = uvwTexture;
    blend->blend_amount = 0.25f;
    return blend;
}

TextureRef rampOverFresnel() {
    auto fresnel = std::make_shared<FresnelTexture>();
    fresnel->black_color_tex = bitmapTexture("C:\\Textures\\sky-reflection.jpg");
    fresnel->fresnel_ior = 1.8f;
    auto ramp = std::make_shared<RampTexture>();
    ramp->uvwgen = std::make_shared<GenChannelUVW>();
    ramp->colors = fresnel;
    ramp->positions = 0.3f;
    ramp->type = 2;
    return ramp;
}

std::shared_ptr<SkyTexture> skyTexture() {
    auto sky = std::make_shared<SkyTexture>();
    sky->skyGuid = "0C1D2E3F-4051-4627-8839-4A5B6C7D8E9F";
    sky->turbidity = 2.5f;
    sky->ozone = 0.3f;
    return sky;
}

}  // namespace samples
