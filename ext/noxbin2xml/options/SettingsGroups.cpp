#include "options/SettingsGroups.h"

#include "options/AllOptions.h"
#include "options/SettingParams.h"
#include "serial/AssetXmlWriter.h"
#include "textures/BaseTexture.h"

namespace KilnCore {
namespace {

using P = KilnUtils::KilnParams;
using F = KilnUtils::KilnFrameData;
using O = AllOptions;
using C = PhysicalCamera;

// The URL names of the environment textures, by channel.
constexpr std::string_view kTextureUrlNames[kEnvironmentChannels] = {"bg_texture", "gi_texture",
                                                                     "reflect_texture", "refract_texture"};

std::string textureUrl(std::string_view groupUrl, int channel) {
    std::string url(groupUrl);
    url += '/';
    url += kTextureUrlNames[channel];
    return url;
}

// The stored filter types 1 and 2 are numbered the other way round in the
// settings document.
void writeFilterType(AssetXmlWriter& w, const SettingParam& p, const SettingSources& s) {
    const int32_t stored = s.container->imageFilterType;
    w.writeIntParam(p.name, stored == 1 ? 2 : stored == 2 ? 1 : stored, p.label);
}

void writeChannelNames(AssetXmlWriter& w, const SettingParam& p, const SettingSources& s) {
    w.beginListParam(p.name, "string", p.label);
    for (int32_t id : s.container->renderChannels) w.writeListEntry(AllOptions::renderChannelName(id));
    w.endListParam();
}

void writePath(AssetXmlWriter& w, const SettingParam& p, const SettingSources& s) {
    w.writeFileParam(p.name, s.container->paths[p.index], p.label);
}

void writeEnvironmentUse(AssetXmlWriter& w, const SettingParam& p, const SettingSources& s) {
    w.writeBoolParam(p.name, s.container->environment[p.index].use != 0, p.label);
}

void writeEnvironmentColor(AssetXmlWriter& w, const SettingParam& p, const SettingSources& s) {
    w.writeColorParam(p.name, s.container->environment[p.index].color, p.label);
}

// The texture's own asset was written under textureUrl just before.
void writeEnvironmentTexture(AssetXmlWriter& w, const SettingParam& p, const SettingSources& s) {
    w.writePluginParam(p.name, s.container->environment[p.index].texture.get(), textureUrl(s.url, p.index), p.label);
}

void writeEnvironmentMult(AssetXmlWriter& w, const SettingParam& p, const SettingSources& s) {
    const EnvironmentSlot& slot = s.container->environment[p.index];
    w.writeFloatParam(p.name, slot.texture ? slot.textureMult : slot.colorMult, p.label);
}

SettingParam path(std::string_view name, PathSlot slot, std::string_view label = {}) {
    return custom(name, writePath, slot, label);
}

const SettingParam kImageSampler[] = {
    integer("type", &P::imgSampler_type),
    integer("fixed_subdivs", &P::imgSampler_fixed_subdivs),
    integer("dmc_minSubdivs", &P::imgSampler_dmc_minSubdivs),
    integer("dmc_maxSubdivs", &P::imgSampler_dmc_maxSubdivs),
    real("dmc_threshold", &P::imgSampler_dmc_threshold),
    integer("subdivision_minRate", &P::imgSampler_subdivision_minRate),
    integer("subdivision_maxRate", &P::imgSampler_subdivision_maxRate),
    boolean("subdivision_jitter", &P::imgSampler_subdivision_jitter),
    real("subdivision_threshold", &P::imgSampler_subdivision_threshold),
    boolean("subdivision_edges", &P::imgSampler_subdivision_edges),
    boolean("subdivision_normals", &P::imgSampler_subdivision_normals),
    real("subdivision_normals_threshold", &P::imgSampler_subdivision_normals_threshold),
    boolean("subdivision_show_samples", &P::imgSampler_subdivision_show_samples),
};

const SettingParam kImageFilter[] = {
    boolean("on", &P::imgFilter_on),
    custom("type", writeFilterType),
    real("size", &O::imageFilterSize),
};

const SettingParam kCamera[] = {
    integer("type", &P::camera_type),
    real("height", &F::height),
    real("dist", &F::distance),
    real("fov", &O::fieldOfView),
    boolean("auto_fit", &F::autoFit),
    real("curve", &F::curve),
    boolean("override_fov", &O::overrideFov),
};

const SettingParam kCameraDof[] = {
    boolean("override_focal_dist", &O::overrideFocalDistance),
    boolean("on", &P::dof_on),
    real("aperture", &F::aperture),
    real("center_bias", &P::dof_center_bias),
    real("focal_dist", &F::focalDistance),
    boolean("sides_on", &P::dof_sides_on),
    integer("sides_num", &P::dof_sides_num),
    real("rotation", &F::rotation),
    real("anisotropy", &P::dof_anisotropy),
    integer("subdivs", &P::dof_subdivs),
};

const SettingParam kMotionBlur[] = {
    boolean("on", &P::moblur_on),
    integer("geom_samples", &P::moblur_geom_samples),
    integer("low_samples", &P::moblur_low_samples),
    real("duration", &P::moblur_duration),
    integer("subdivs", &P::moblur_subdivs),
    real("bias", &P::moblur_bias),
    real("interval_center", &P::moblur_interval_center),
};

const SettingParam kGI[] = {
    boolean("on", &P::gi_on),
    boolean("refract_caustics", &P::gi_refract_caustics),
    boolean("reflect_caustics", &P::gi_reflect_caustics),
    real("saturation", &P::gi_saturation),
    real("contrast", &P::gi_contrast),
    real("contrast_base", &P::gi_contrast_base),
    integer("primary_engine", &P::gi_primary_engine),
    real("primary_multiplier", &P::gi_primary_multiplier),
    integer("secondary_engine", &P::gi_secondary_engine),
    real("secondary_multiplier", &P::gi_secondary_multiplier),
    boolean("save_maps_per_frame", &P::gi_save_maps_per_frame),
};

const SettingParam kIrradianceMap[] = {
    integer("min_rate", &P::irrMap_min_rate),
    integer("max_rate", &P::irrMap_max_rate),
    integer("subdivs", &P::irrMap_subdivs),
    integer("interp_samples", &P::irrMap_interp_samples),
    integer("calc_interp_samples", &P::irrMap_calc_interp_samples),
    integer("interp_frames", &P::irrMap_interp_frames),
    real("color_threshold", &P::irrMap_color_threshold),
    real("normal_threshold", &P::irrMap_normal_threshold),
    real("distance_threshold", &P::irrMap_distance_threshold),
    boolean("detail_enhancement", &P::irrMap_detail_enhancement),
    real("detail_radius", &P::irrMap_detail_radius),
    real("detail_subdivs_mult", &P::irrMap_detail_subdivs_mult),
    integer("detail_scale", &P::irrMap_detail_scale),
    boolean("randomize_samples", &P::irrMap_randomize_samples),
    integer("interpolation_mode", &P::irrMap_interpolation_mode),
    integer("lookup_mode", &P::irrMap_lookup_mode),
    integer("mode", &P::irrMap_mode),
    boolean("dont_delete", &P::irrMap_dont_delete),
    path("file", kIrradianceMapPath),
    boolean("show_samples", &P::irrMap_show_samples),
    boolean("show_calc_phase", &P::irrMap_show_calc_phase),
    boolean("show_direct_light", &P::irrMap_show_direct_light),
    boolean("multiple_views", &P::irrMap_multiple_views),
    boolean("multipass", &P::irrMap_multipass),
    boolean("check_sample_visibility", &P::irrMap_check_sample_visibility),
    boolean("auto_save", &P::irrMap_auto_save),
    path("auto_save_file", kIrradianceMapAutoSavePath),
};

const SettingParam kPhotonMap[] = {
    integer("bounces", &P::photonMap_bounces),
    integer("max_photons", &P::photonMap_max_photons),
    boolean("prefilter", &P::photonMap_prefilter),
    integer("prefilter_samples", &P::photonMap_prefilter_samples),
    integer("mode", &P::photonMap_mode),
    path("file", kPhotonMapPath),
    boolean("auto_search_distance", &P::photonMap_auto_search_distance),
    real("search_distance", &P::photonMap_search_distance),
    boolean("convex_hull_estimate", &P::photonMap_convex_hull_estimate),
    boolean("dont_delete", &P::photonMap_dont_delete),
    boolean("auto_save", &P::photonMap_auto_save),
    path("auto_save_file", kPhotonMapAutoSavePath),
    boolean("store_direct_light", &P::photonMap_store_direct_light),
    real("multiplier", &P::photonMap_multiplier),
    real("max_density", &P::photonMap_max_density),
    real("retrace_corners", &P::photonMap_retrace_corners),
    integer("retrace_bounces", &P::photonMap_retrace_bounces),
    boolean("show_calc_phase", &P::photonMap_show_calc_phase),
    // The toggle has no field of its own: it repeats auto_search_distance.
    boolean("search_distance_toggle", &P::photonMap_auto_search_distance),
};

const SettingParam kLightCache[] = {
    integer("subdivs", &P::lightCache_subdivs),
    real("sample_size", &P::lightCache_sample_size),
    integer("filter_type", &P::lightCache_filter_type),
    integer("filter_samples", &P::lightCache_filter_samples),
    real("filter_size", &P::lightCache_filter_size),
    boolean("prefilter", &P::lightCache_prefilter),
    integer("prefilter_samples", &P::lightCache_prefilter_samples),
    integer("depth", &P::lightCache_depth),
    boolean("show_calc_phase", &P::lightCache_show_calc_phase),
    boolean("store_direct_light", &P::lightCache_store_direct_light),
    integer("world_scale", &P::lightCache_world_scale),
    integer("mode", &P::lightCache_mode),
    path("file", kLightCachePath),
    boolean("dont_delete", &P::lightCache_dont_delete),
    boolean("auto_save", &P::lightCache_auto_save),
    path("auto_save_file", kLightCacheAutoSavePath),
    integer("num_passes", &P::lightCache_num_passes),
    boolean("use_for_glossy_rays", &P::lightCache_use_for_glossy_rays),
    boolean("adaptive_sampling", &P::lightCache_adaptive_sampling),
    boolean("multiple_views", &P::lightCache_multiple_views),
    integer("min_paths_per_sample", &P::lightCache_min_paths_per_sample),
    boolean("adaptive_dirs_only", &P::lightCache_adaptive_dirs_only),
};

const SettingParam kCaustics[] = {
    boolean("on", &P::caustics_on),
    integer("max_photons", &P::caustics_max_photons),
    real("search_distance", &P::caustics_search_distance),
    real("max_density", &P::caustics_max_density),
    real("multiplier", &P::caustics_multiplier),
    integer("mode", &P::caustics_mode),
    path("file", kCausticsPath),
    boolean("dont_delete", &P::caustics_dont_delete),
    boolean("auto_save", &P::caustics_auto_save),
    path("auto_save_file", kCausticsAutoSavePath),
    boolean("show_calc_phase", &P::caustics_show_calc_phase),
};

const SettingParam kRaycaster[] = {
    integer("maxLevels", &P::raycaster_maxLevels),
    real("minLeafSize", &P::raycaster_minLeafSize),
    real("faceLevelCoef", &P::raycaster_faceLevelCoef),
    integer("dynMemLimit", &P::raycaster_dynMemLimit),
    integer("optLevel", &P::raycaster_optLevel),
};

const SettingParam kRegionsGenerator[] = {
    integer("xc", &P::regions_xc),
    integer("yc", &P::regions_yc),
    integer("xymeans", &P::regions_xymeans),
    integer("seqtype", &P::regions_seqtype),
    integer("reverse", &P::regions_reverse),
};

const SettingParam kDMCGI[] = {
    integer("subdivs", &P::dmcgi_subdivs),
    integer("depth", &P::dmcgi_depth),
};

const SettingParam kDMCSampler[] = {
    boolean("time_dependent", &P::dmcSampler_time_dependent),
    real("adaptive_amount", &P::dmcSampler_adaptive_amount),
    real("adaptive_threshold", &P::dmcSampler_adaptive_threshold),
    integer("adaptive_min_samples", &P::dmcSampler_adaptive_min_samples),
    real("subdivs_mult", &P::dmcSampler_subdivs_mult),
    integer("path_sampler_type", &P::dmcSampler_path_sampler_type),
};

const SettingParam kColorMapping[] = {
    boolean("gamma_correct_rgb", &O::gammaCorrectRgb),
    boolean("gamma_correct_ldr_textures", &O::gammaCorrectLdrTextures),
    real("input_gamma", &O::inputGamma),
    integer("type", &P::colorMapping_type),
    boolean("affect_background", &P::colorMapping_affect_background),
    real("dark_mult", &F::darkMult),
    real("bright_mult", &F::brightMult),
    real("gamma", &P::colorMapping_gamma),
    boolean("subpixel_mapping", &P::colorMapping_subpixel_mapping),
    boolean("clamp_output", &P::colorMapping_clamp_output),
    real("clamp_level", &P::colorMapping_clamp_level),
    boolean("adaptation_only", &P::colorMapping_adaptation_only),
    boolean("linearWorkflow", &P::colorMapping_linearWorkflow),
};

const SettingParam kRenderChannels[] = {
    boolean("zdepth_clamp", &O::zDepthClamp),
    real("zdepth_black", &O::zDepthBlack),
    real("zdepth_white", &O::zDepthWhite),
    custom("channel_names", writeChannelNames, 0, "KFB Channels"),
};

const SettingParam kOptions[] = {
    boolean("geom_displacement", &P::options_geom_displacement),
    boolean("geom_doHidden", &P::options_geom_doHidden),
    boolean("light_doLights", &P::options_light_doLights),
    boolean("light_doDefaultLights", &P::options_light_doDefaultLights),
    boolean("light_doHiddenLights", &P::options_light_doHiddenLights),
    boolean("light_doShadows", &P::options_light_doShadows),
    boolean("light_onlyGI", &P::options_light_onlyGI),
    boolean("gi_dontRenderImage", &P::options_gi_dontRenderImage),
    boolean("mtl_reflectionRefraction", &P::options_mtl_reflectionRefraction),
    boolean("mtl_limitDepth", &P::options_mtl_limitDepth),
    integer("mtl_maxDepth", &P::options_mtl_maxDepth),
    boolean("mtl_doMaps", &P::options_mtl_doMaps),
    boolean("mtl_filterMaps", &P::options_mtl_filterMaps),
    boolean("mtl_filterMapsForSecondaryRays", &P::options_mtl_filterMapsForSecondaryRays),
    integer("mtl_transpMaxLevels", &P::options_mtl_transpMaxLevels),
    real("mtl_transpCutoff", &P::options_mtl_transpCutoff),
    boolean("mtl_override_on", &P::options_mtl_override_on),
    boolean("mtl_glossy", &P::options_mtl_glossy),
    boolean("geom_backfaceCull", &P::options_geom_backfaceCull),
    real("ray_bias", &P::options_ray_bias),
    boolean("misc_lowThreadPriority", &P::options_misc_lowThreadPriority),
    integer("show_progress_window", &O::showProgressWindow),
    integer("batch_render", &O::batchRender),
    color("mtl_override_color", &O::overrideMaterialColor),
};

const SettingParam kDefaultDisplacement[] = {
    boolean("override_on", &P::displacement_override_on),
    real("edgeLength", &P::displacement_edgeLength),
    boolean("viewDependent", &P::displacement_viewDependent),
    integer("maxSubdivs", &P::displacement_maxSubdivs),
    boolean("tightBounds", &P::displacement_tightBounds),
    real("amount", &P::displacement_amount),
    boolean("relative", &P::displacement_relative),
};

const SettingParam kEnvironment[] = {
    custom("use_bg", writeEnvironmentUse, kBackground),
    custom("bg_color", writeEnvironmentColor, kBackground),
    custom("bg_tex", writeEnvironmentTexture, kBackground),
    custom("bg_mult", writeEnvironmentMult, kBackground),
    custom("use_gi", writeEnvironmentUse, kGlobalIllumination),
    custom("gi_color", writeEnvironmentColor, kGlobalIllumination),
    custom("gi_tex", writeEnvironmentTexture, kGlobalIllumination),
    custom("gi_mult", writeEnvironmentMult, kGlobalIllumination),
    custom("use_reflect", writeEnvironmentUse, kReflection),
    custom("reflect_color", writeEnvironmentColor, kReflection),
    custom("reflect_tex", writeEnvironmentTexture, kReflection),
    custom("reflect_mult", writeEnvironmentMult, kReflection),
    custom("use_refract", writeEnvironmentUse, kRefraction),
    custom("refract_color", writeEnvironmentColor, kRefraction),
    custom("refract_tex", writeEnvironmentTexture, kRefraction),
    custom("refract_mult", writeEnvironmentMult, kRefraction),
};

const SettingParam kOutput[] = {
    integer("img_width", &O::imageWidth),
    integer("img_height", &O::imageHeight),
    real("img_pixelAspect", &O::pixelAspect),
    real("img_imageAspect", &O::imageAspect),
    path("img_file", kOutputImagePath),
    boolean("img_rawFile", &O::rawFileOn),
    real("frames_per_second", &O::framesPerSecond),
    real("rgn_left", &F::regionLeft),
    real("rgn_width", &F::regionWidth),
    real("rgn_top", &F::regionTop),
    real("rgn_height", &F::regionHeight),
    integer("bmp_width", &F::bitmapWidth),
    integer("bmp_height", &F::bitmapHeight),
    integer("r_left", &F::renderLeft),
    integer("r_width", &F::renderWidth),
    integer("r_top", &F::renderTop),
    integer("r_height", &F::renderHeight),
    path("kilnimg_file", kRawImagePath, "KilnImage Output File"),
    boolean("override_viewport", &O::overrideViewport, "Override Viewport"),
    boolean("do_animation", &O::doAnimation),
    boolean("save_render", &O::saveRender),
    integer("frame_rate", &O::frameRate),
    boolean("img_imageAspectLocked", &O::imageAspectLocked),
    boolean("img_pixelAspectLocked", &O::pixelAspectLocked),
};

const SettingParam kCameraPhysical[] = {
    boolean("on", &O::physicalCameraOn),
    integer("type", &C::type),
    real("film_width", &C::film_width),
    real("focal_length", &C::focal_length),
    real("zoom_factor", &C::zoom_factor),
    real("distortion", &C::distortion),
    real("f_number", &C::f_number),
    real("lens_shift", &C::lens_shift),
    real("shutter_speed", &C::shutter_speed),
    real("shutter_angle", &C::shutter_angle),
    real("shutter_offset", &C::shutter_offset),
    real("latency", &C::latency),
    real("ISO", &C::ISO),
    boolean("specify_focus", &C::specify_focus),
    real("focus_distance", &C::focus_distance),
    boolean("targeted", &C::targeted),
    real("target_distance", &C::target_distance),
    real("dof_display_threshold", &C::dof_display_threshold),
    boolean("exposure", &C::exposure),
    color("white_balance", &C::white_balance),
    boolean("vignetting", &C::vignetting),
    boolean("blades_enable", &C::blades_enable),
    integer("blades_num", &C::blades_num),
    real("blades_rotation", &C::blades_rotation),
    real("center_bias", &C::center_bias),
    real("anisotropy", &C::anisotropy),
    boolean("use_dof", &C::use_dof),
    boolean("use_moblur", &C::use_moblur),
    integer("subdivs", &C::subdivs),
    boolean("specify_film_width", &O::specifyFilmWidth),
    boolean("override_focal_length", &O::overrideFocalLength),
};

const SettingParam kDR[] = {
    boolean("on", &O::drOn),
    boolean("asset_coll", &O::assetCollection),
    integer("mode", &O::drMode),
    file("folder", &O::drFolder),
};

struct SettingsGroup {
    std::string_view name;
    SettingParamList params;
    bool environmentTextures = false;  // writes the environment textures first
};

const SettingsGroup kGroups[] = {
    {"SettingsImageSampler", kImageSampler},
    {"SettingsImageFilter", kImageFilter},
    {"SettingsCamera", kCamera},
    {"SettingsCameraDof", kCameraDof},
    {"SettingsMotionBlur", kMotionBlur},
    {"SettingsGI", kGI},
    {"SettingsIrradianceMap", kIrradianceMap},
    {"SettingsPhotonMap", kPhotonMap},
    {"SettingsLightCache", kLightCache},
    {"SettingsCaustics", kCaustics},
    {"SettingsRaycaster", kRaycaster},
    {"SettingsRegionsGenerator", kRegionsGenerator},
    {"SettingsDMCGI", kDMCGI},
    {"SettingsDMCSampler", kDMCSampler},
    {"SettingsColorMapping", kColorMapping},
    {"SettingsRenderChannels", kRenderChannels},
    {"SettingsOptions", kOptions},
    {"SettingsDefaultDisplacement", kDefaultDisplacement},
    {"SettingsEnvironment", kEnvironment, true},
    {"SettingsOutput", kOutput},
    {"CameraPhysical", kCameraPhysical},
    {"SettingsDR", kDR},
};

void writeEnvironmentTextures(AssetXmlWriter& writer, const AllOptions& options, const std::string& groupUrl) {
    for (int channel = 0; channel < kEnvironmentChannels; ++channel)
        if (const auto& texture = options.environment[channel].texture)
            texture->writeXML(writer, textureUrl(groupUrl, channel));
}

}  // namespace

void writeSettingsGroups(AssetXmlWriter& writer, const AllOptions& options, const std::string& prefix) {
    SettingSources sources;
    sources.block = &options.params.block;
    sources.frame = &options.frameData;
    sources.container = &options;
    sources.camera = &options.physicalCamera;
    for (const SettingsGroup& group : kGroups) {
        const std::string url = prefix + "/" + std::string(group.name);
        writer.beginElement("Assets");
        if (group.environmentTextures) writeEnvironmentTextures(writer, options, url);
        writeSettingsAsset(writer, url, group.name, group.params, sources);
        writer.endElement("Assets");
    }
}

}  // namespace KilnCore
