#include "options/SettingsGroups.h"

#include "options/AllOptions.h"
#include "serial/AssetXmlWriter.h"
#include "textures/BaseTexture.h"

namespace KilnCore {
namespace {

using P = KilnUtils::KilnParams;
using F = KilnUtils::KilnFrameData;
using O = AllOptions;
using C = PhysicalCamera;
using Slot = EnvironmentSlot;

// Parameters from the parameter block, the frame data and the physical
// camera, which the options hold, and from the options themselves.
Field<O> integer(std::string_view name, int32_t P::*field) { return {name, &O::params, field}; }
Field<O> boolean(std::string_view name, int32_t P::*field) { return {name, &O::params, field, Form::Flag}; }
Field<O> real(std::string_view name, float P::*field) { return {name, &O::params, field}; }
template <class T>
Field<O> frame(std::string_view name, T F::*field, Form form = Form::Plain) {
    return {name, &O::frameData, field, form};
}
template <class T>
Field<O> camera(std::string_view name, T C::*field, Form form = Form::Plain) {
    return {name, &O::physicalCamera, field, form};
}
template <class T>
Field<O> own(std::string_view name, T O::*field, Form form = Form::Plain) {
    return {name, field, form};
}

// The stored filter types 1 and 2 are numbered the other way round in the
// settings document.
struct FilterType : Codec<int32_t> {
    static void param(AssetXmlWriter& w, int32_t stored, const FieldSpec& f, std::string_view) {
        w.writeIntParam(f.name, stored == 1 ? 2 : stored == 2 ? 1 : stored, f.label);
    }
};

// A channel's multiplier: the texture's when a texture is set, else the
// colour's.
struct EnvironmentMult : ParamCodec<Slot> {
    static void param(AssetXmlWriter& w, const Slot& slot, const FieldSpec& f, std::string_view) {
        w.writeFloatParam(f.name, slot.texture ? slot.textureMult : slot.colorMult, f.label);
    }
};

// The four parameters of an environment channel; its texture's asset goes
// under the group's URL and `textureName`.
FieldList<O> environment(std::string_view use, std::string_view color, std::string_view texture,
                         std::string_view mult, Slot O::*slot, std::string_view textureName) {
    return {{use, slot, &Slot::use, Form::Flag},
            {color, slot, &Slot::color},
            Field<O>(texture, slot, &Slot::texture).under(textureName),
            Field<O>::with<EnvironmentMult>(mult, slot)};
}

const FieldList<O> kImageSampler = {
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

const FieldList<O> kImageFilter = {
    boolean("on", &P::imgFilter_on),
    Field<O>::with<FilterType>("type", &O::imageFilterType),
    own("size", &O::imageFilterSize),
};

const FieldList<O> kCamera = {
    integer("type", &P::camera_type),
    frame("height", &F::height),
    frame("dist", &F::distance),
    own("fov", &O::fieldOfView),
    frame("auto_fit", &F::autoFit, Form::Flag),
    frame("curve", &F::curve),
    own("override_fov", &O::overrideFov, Form::Flag),
};

const FieldList<O> kCameraDof = {
    own("override_focal_dist", &O::overrideFocalDistance, Form::Flag),
    boolean("on", &P::dof_on),
    frame("aperture", &F::aperture),
    real("center_bias", &P::dof_center_bias),
    frame("focal_dist", &F::focalDistance),
    boolean("sides_on", &P::dof_sides_on),
    integer("sides_num", &P::dof_sides_num),
    frame("rotation", &F::rotation),
    real("anisotropy", &P::dof_anisotropy),
    integer("subdivs", &P::dof_subdivs),
};

const FieldList<O> kMotionBlur = {
    boolean("on", &P::moblur_on),
    integer("geom_samples", &P::moblur_geom_samples),
    integer("low_samples", &P::moblur_low_samples),
    real("duration", &P::moblur_duration),
    integer("subdivs", &P::moblur_subdivs),
    real("bias", &P::moblur_bias),
    real("interval_center", &P::moblur_interval_center),
};

const FieldList<O> kGI = {
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

const FieldList<O> kIrradianceMap = {
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
    own("file", &O::irradianceMapPath, Form::Path),
    boolean("show_samples", &P::irrMap_show_samples),
    boolean("show_calc_phase", &P::irrMap_show_calc_phase),
    boolean("show_direct_light", &P::irrMap_show_direct_light),
    boolean("multiple_views", &P::irrMap_multiple_views),
    boolean("multipass", &P::irrMap_multipass),
    boolean("check_sample_visibility", &P::irrMap_check_sample_visibility),
    boolean("auto_save", &P::irrMap_auto_save),
    own("auto_save_file", &O::irradianceMapAutoSavePath, Form::Path),
};

const FieldList<O> kPhotonMap = {
    integer("bounces", &P::photonMap_bounces),
    integer("max_photons", &P::photonMap_max_photons),
    boolean("prefilter", &P::photonMap_prefilter),
    integer("prefilter_samples", &P::photonMap_prefilter_samples),
    integer("mode", &P::photonMap_mode),
    own("file", &O::photonMapPath, Form::Path),
    boolean("auto_search_distance", &P::photonMap_auto_search_distance),
    real("search_distance", &P::photonMap_search_distance),
    boolean("convex_hull_estimate", &P::photonMap_convex_hull_estimate),
    boolean("dont_delete", &P::photonMap_dont_delete),
    boolean("auto_save", &P::photonMap_auto_save),
    own("auto_save_file", &O::photonMapAutoSavePath, Form::Path),
    boolean("store_direct_light", &P::photonMap_store_direct_light),
    real("multiplier", &P::photonMap_multiplier),
    real("max_density", &P::photonMap_max_density),
    real("retrace_corners", &P::photonMap_retrace_corners),
    integer("retrace_bounces", &P::photonMap_retrace_bounces),
    boolean("show_calc_phase", &P::photonMap_show_calc_phase),
    // The toggle has no field of its own: it repeats auto_search_distance.
    boolean("search_distance_toggle", &P::photonMap_auto_search_distance),
};

const FieldList<O> kLightCache = {
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
    own("file", &O::lightCachePath, Form::Path),
    boolean("dont_delete", &P::lightCache_dont_delete),
    boolean("auto_save", &P::lightCache_auto_save),
    own("auto_save_file", &O::lightCacheAutoSavePath, Form::Path),
    integer("num_passes", &P::lightCache_num_passes),
    boolean("use_for_glossy_rays", &P::lightCache_use_for_glossy_rays),
    boolean("adaptive_sampling", &P::lightCache_adaptive_sampling),
    boolean("multiple_views", &P::lightCache_multiple_views),
    integer("min_paths_per_sample", &P::lightCache_min_paths_per_sample),
    boolean("adaptive_dirs_only", &P::lightCache_adaptive_dirs_only),
};

const FieldList<O> kCaustics = {
    boolean("on", &P::caustics_on),
    integer("max_photons", &P::caustics_max_photons),
    real("search_distance", &P::caustics_search_distance),
    real("max_density", &P::caustics_max_density),
    real("multiplier", &P::caustics_multiplier),
    integer("mode", &P::caustics_mode),
    own("file", &O::causticsPath, Form::Path),
    boolean("dont_delete", &P::caustics_dont_delete),
    boolean("auto_save", &P::caustics_auto_save),
    own("auto_save_file", &O::causticsAutoSavePath, Form::Path),
    boolean("show_calc_phase", &P::caustics_show_calc_phase),
};

const FieldList<O> kRaycaster = {
    integer("maxLevels", &P::raycaster_maxLevels),
    real("minLeafSize", &P::raycaster_minLeafSize),
    real("faceLevelCoef", &P::raycaster_faceLevelCoef),
    integer("dynMemLimit", &P::raycaster_dynMemLimit),
    integer("optLevel", &P::raycaster_optLevel),
};

const FieldList<O> kRegionsGenerator = {
    integer("xc", &P::regions_xc),
    integer("yc", &P::regions_yc),
    integer("xymeans", &P::regions_xymeans),
    integer("seqtype", &P::regions_seqtype),
    integer("reverse", &P::regions_reverse),
};

const FieldList<O> kDMCGI = {
    integer("subdivs", &P::dmcgi_subdivs),
    integer("depth", &P::dmcgi_depth),
};

const FieldList<O> kDMCSampler = {
    boolean("time_dependent", &P::dmcSampler_time_dependent),
    real("adaptive_amount", &P::dmcSampler_adaptive_amount),
    real("adaptive_threshold", &P::dmcSampler_adaptive_threshold),
    integer("adaptive_min_samples", &P::dmcSampler_adaptive_min_samples),
    real("subdivs_mult", &P::dmcSampler_subdivs_mult),
    integer("path_sampler_type", &P::dmcSampler_path_sampler_type),
};

const FieldList<O> kColorMapping = {
    own("gamma_correct_rgb", &O::gammaCorrectRgb, Form::Flag),
    own("gamma_correct_ldr_textures", &O::gammaCorrectLdrTextures, Form::Flag),
    own("input_gamma", &O::inputGamma),
    integer("type", &P::colorMapping_type),
    boolean("affect_background", &P::colorMapping_affect_background),
    frame("dark_mult", &F::darkMult),
    frame("bright_mult", &F::brightMult),
    real("gamma", &P::colorMapping_gamma),
    boolean("subpixel_mapping", &P::colorMapping_subpixel_mapping),
    boolean("clamp_output", &P::colorMapping_clamp_output),
    real("clamp_level", &P::colorMapping_clamp_level),
    boolean("adaptation_only", &P::colorMapping_adaptation_only),
    boolean("linearWorkflow", &P::colorMapping_linearWorkflow),
};

const FieldList<O> kRenderChannels = {
    own("zdepth_clamp", &O::zDepthClamp, Form::Flag),
    own("zdepth_black", &O::zDepthBlack),
    own("zdepth_white", &O::zDepthWhite),
    Field<O>::with<RenderChannelList>("channel_names", &O::renderChannels).labelled("KFB Channels"),
};

const FieldList<O> kOptions = {
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
    own("show_progress_window", &O::showProgressWindow),
    own("batch_render", &O::batchRender),
    own("mtl_override_color", &O::overrideMaterialColor),
};

const FieldList<O> kDefaultDisplacement = {
    boolean("override_on", &P::displacement_override_on),
    real("edgeLength", &P::displacement_edgeLength),
    boolean("viewDependent", &P::displacement_viewDependent),
    integer("maxSubdivs", &P::displacement_maxSubdivs),
    boolean("tightBounds", &P::displacement_tightBounds),
    real("amount", &P::displacement_amount),
    boolean("relative", &P::displacement_relative),
};

const FieldList<O> kEnvironment =
    environment("use_bg", "bg_color", "bg_tex", "bg_mult", &O::background, "bg_texture") +
    environment("use_gi", "gi_color", "gi_tex", "gi_mult", &O::globalIllumination, "gi_texture") +
    environment("use_reflect", "reflect_color", "reflect_tex", "reflect_mult", &O::reflection, "reflect_texture") +
    environment("use_refract", "refract_color", "refract_tex", "refract_mult", &O::refraction, "refract_texture");

const FieldList<O> kOutput = {
    own("img_width", &O::imageWidth),
    own("img_height", &O::imageHeight),
    own("img_pixelAspect", &O::pixelAspect),
    own("img_imageAspect", &O::imageAspect),
    own("img_file", &O::outputImagePath, Form::Path),
    own("img_rawFile", &O::rawFileOn, Form::Flag),
    own("frames_per_second", &O::framesPerSecond),
    frame("rgn_left", &F::regionLeft),
    frame("rgn_width", &F::regionWidth),
    frame("rgn_top", &F::regionTop),
    frame("rgn_height", &F::regionHeight),
    frame("bmp_width", &F::bitmapWidth),
    frame("bmp_height", &F::bitmapHeight),
    frame("r_left", &F::renderLeft),
    frame("r_width", &F::renderWidth),
    frame("r_top", &F::renderTop),
    frame("r_height", &F::renderHeight),
    own("kilnimg_file", &O::rawImagePath, Form::Path).labelled("KilnImage Output File"),
    own("override_viewport", &O::overrideViewport, Form::Flag).labelled("Override Viewport"),
    own("do_animation", &O::doAnimation, Form::Flag),
    own("save_render", &O::saveRender, Form::Flag),
    own("frame_rate", &O::frameRate),
    own("img_imageAspectLocked", &O::imageAspectLocked, Form::Flag),
    own("img_pixelAspectLocked", &O::pixelAspectLocked, Form::Flag),
};

const FieldList<O> kCameraPhysical = {
    own("on", &O::physicalCameraOn, Form::Flag),
    camera("type", &C::type),
    camera("film_width", &C::film_width),
    camera("focal_length", &C::focal_length),
    camera("zoom_factor", &C::zoom_factor),
    camera("distortion", &C::distortion),
    camera("f_number", &C::f_number),
    camera("lens_shift", &C::lens_shift),
    camera("shutter_speed", &C::shutter_speed),
    camera("shutter_angle", &C::shutter_angle),
    camera("shutter_offset", &C::shutter_offset),
    camera("latency", &C::latency),
    camera("ISO", &C::ISO),
    camera("specify_focus", &C::specify_focus, Form::Flag),
    camera("focus_distance", &C::focus_distance),
    camera("targeted", &C::targeted, Form::Flag),
    camera("target_distance", &C::target_distance),
    camera("dof_display_threshold", &C::dof_display_threshold),
    camera("exposure", &C::exposure, Form::Flag),
    camera("white_balance", &C::white_balance),
    camera("vignetting", &C::vignetting, Form::Flag),
    camera("blades_enable", &C::blades_enable, Form::Flag),
    camera("blades_num", &C::blades_num),
    camera("blades_rotation", &C::blades_rotation),
    camera("center_bias", &C::center_bias),
    camera("anisotropy", &C::anisotropy),
    camera("use_dof", &C::use_dof, Form::Flag),
    camera("use_moblur", &C::use_moblur, Form::Flag),
    camera("subdivs", &C::subdivs),
    own("specify_film_width", &O::specifyFilmWidth, Form::Flag),
    own("override_focal_length", &O::overrideFocalLength, Form::Flag),
};

const FieldList<O> kDR = {
    own("on", &O::drOn, Form::Flag),
    own("asset_coll", &O::assetCollection, Form::Flag),
    own("mode", &O::drMode),
    own("folder", &O::drFolder, Form::File),
};

struct SettingsGroup {
    std::string_view name;
    const FieldList<O>& params;
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
    {"SettingsEnvironment", kEnvironment},
    {"SettingsOutput", kOutput},
    {"CameraPhysical", kCameraPhysical},
    {"SettingsDR", kDR},
};

}  // namespace

// Each group in its own "Assets" element: its children's assets (the
// environment's textures), then its settings asset.
void writeSettingsGroups(AssetXmlWriter& writer, const AllOptions& options, const std::string& prefix) {
    for (const SettingsGroup& group : kGroups) {
        const std::string url = prefix + "/" + std::string(group.name);
        writer.beginElement("Assets");
        writeChildAssets(writer, options, group.params, url);
        writeParamAsset(writer, options, group.params, {url, "settings", "", group.name, "settings"});
        writer.endElement("Assets");
    }
}

}  // namespace KilnCore
