// The renderer's parameter block: sampler, global illumination, caches,
// ray caster, colour mapping, displacement and general render settings.
//
// Fields are named <group>_<parameter>, the parameter part spelled as the
// settings documents spell it, so each field reads like the XML parameter
// it becomes. Fields without a parameter name are carried through the
// binary record unchanged (`..._unnamedN`).
//
// The initialisers below are the renderer defaults: this declaration is
// the one table of default values.
#pragma once

#include <cstdint>
#include <string>

namespace KilnUtils {

struct KilnParams {
    int32_t imgFilter_on = 1;

    int32_t imgSampler_type = 1;
    int32_t imgSampler_fixed_subdivs = 1;
    int32_t imgSampler_dmc_minSubdivs = 1;
    int32_t imgSampler_dmc_maxSubdivs = 4;
    float imgSampler_dmc_threshold = 0.01f;
    int32_t imgSampler_subdivision_minRate = -1;
    int32_t imgSampler_subdivision_maxRate = 2;
    float imgSampler_subdivision_threshold = 0.1f;
    int32_t imgSampler_subdivision_jitter = 1;
    int32_t imgSampler_subdivision_edges = 0;
    int32_t imgSampler_unnamed1 = 0;
    int32_t imgSampler_subdivision_normals = 0;
    float imgSampler_subdivision_normals_threshold = 0.05f;
    int32_t imgSampler_unnamed2 = 0;
    float imgSampler_unnamed3 = 0.0f;
    int32_t imgSampler_subdivision_show_samples = 0;

    int32_t camera_type = 0;

    int32_t dof_on = 0;
    int32_t dof_subdivs = 8;
    float dof_center_bias = 0.0f;
    int32_t dof_sides_on = 0;
    int32_t dof_sides_num = 5;
    float dof_anisotropy = 0.0f;

    int32_t moblur_on = 0;
    int32_t moblur_geom_samples = 2;
    int32_t moblur_unnamed1 = 0;
    int32_t moblur_unnamed2 = 0;
    int32_t moblur_subdivs = 6;
    float moblur_unnamed3 = 0.0f;
    int32_t moblur_unnamed4 = 0;
    int32_t moblur_unnamed5 = 0;
    int32_t moblur_unnamed6 = 0;
    float moblur_unnamed7 = 0.0f;
    int32_t moblur_low_samples = 1;
    float moblur_duration = 1.0f;
    float moblur_interval_center = 0.5f;
    int32_t moblur_unnamed8 = 0;
    float moblur_bias = 0.0f;

    int32_t gi_on = 0;
    int32_t gi_refract_caustics = 1;
    int32_t gi_reflect_caustics = 0;
    float gi_saturation = 1.0f;
    float gi_contrast = 1.0f;
    float gi_contrast_base = 0.5f;
    int32_t gi_primary_engine = 0;
    float gi_primary_multiplier = 1.0f;
    int32_t gi_secondary_engine = 3;
    float gi_secondary_multiplier = 1.0f;
    int32_t gi_save_maps_per_frame = 1;

    int32_t dmcgi_subdivs = 8;
    int32_t dmcgi_depth = 3;

    int32_t irrMap_min_rate = -3;
    int32_t irrMap_max_rate = 0;
    int32_t irrMap_subdivs = 50;
    int32_t irrMap_interp_samples = 20;
    int32_t irrMap_calc_interp_samples = 10;
    int32_t irrMap_interp_frames = 2;
    float irrMap_color_threshold = 0.4f;
    float irrMap_normal_threshold = 0.2f;
    float irrMap_distance_threshold = 0.1f;
    int32_t irrMap_detail_enhancement = 0;
    float irrMap_detail_radius = 60.0f;
    float irrMap_detail_subdivs_mult = 0.3f;
    int32_t irrMap_detail_scale = 0;
    int32_t irrMap_randomize_samples = 1;
    int32_t irrMap_interpolation_mode = 1;
    int32_t irrMap_lookup_mode = 2;
    int32_t irrMap_mode = 0;
    int32_t irrMap_dont_delete = 1;
    int32_t irrMap_show_samples = 0;
    int32_t irrMap_show_calc_phase = 0;
    int32_t irrMap_show_direct_light = 1;
    int32_t irrMap_multiple_views = 0;
    int32_t irrMap_multipass = 1;
    int32_t irrMap_check_sample_visibility = 0;
    int32_t irrMap_auto_save = 0;
    int32_t irrMap_unnamed1 = 0;
    std::string irrMap_fileName;
    std::string irrMap_autoSaveFileName;

    int32_t photonMap_bounces = 10;
    float photonMap_search_distance = 20.0f;
    int32_t photonMap_max_photons = 30;
    int32_t photonMap_prefilter = 0;
    int32_t photonMap_prefilter_samples = 10;
    int32_t photonMap_mode = 0;
    float photonMap_multiplier = 1.0f;
    int32_t photonMap_auto_search_distance = 1;
    int32_t photonMap_convex_hull_estimate = 0;
    int32_t photonMap_dont_delete = 1;
    int32_t photonMap_auto_save = 0;
    float photonMap_retrace_corners = 0.0f;
    int32_t photonMap_retrace_bounces = 10;
    int32_t photonMap_store_direct_light = 1;
    float photonMap_max_density = 0.0f;
    int32_t photonMap_show_calc_phase = 0;
    std::string photonMap_fileName;
    std::string photonMap_autoSaveFileName;

    int32_t lightCache_subdivs = 1000;
    float lightCache_sample_size = 0.02f;
    int32_t lightCache_filter_type = 1;
    int32_t lightCache_filter_samples = 10;
    float lightCache_filter_size = 0.06f;
    int32_t lightCache_prefilter = 0;
    int32_t lightCache_prefilter_samples = 10;
    int32_t lightCache_depth = 100;
    int32_t lightCache_show_calc_phase = 0;
    int32_t lightCache_store_direct_light = 1;
    int32_t lightCache_world_scale = 0;
    int32_t lightCache_mode = 0;
    int32_t lightCache_dont_delete = 1;
    int32_t lightCache_auto_save = 0;
    int32_t lightCache_num_passes = 4;
    int32_t lightCache_use_for_glossy_rays = 0;
    int32_t lightCache_adaptive_sampling = 0;
    int32_t lightCache_multiple_views = 0;
    int32_t lightCache_min_paths_per_sample = 16;
    int32_t lightCache_adaptive_dirs_only = 0;
    std::string lightCache_fileName;
    std::string lightCache_autoSaveFileName;

    int32_t caustics_on = 0;
    int32_t caustics_max_photons = 30;
    float caustics_search_distance = 0.1f;
    float caustics_max_density = 0.0f;
    float caustics_multiplier = 1.0f;
    int32_t caustics_mode = 0;
    int32_t caustics_dont_delete = 1;
    int32_t caustics_auto_save = 0;
    int32_t caustics_show_calc_phase = 0;
    std::string caustics_fileName;
    std::string caustics_autoSaveFileName;

    int32_t raycaster_maxLevels = 80;
    float raycaster_minLeafSize = 0.0f;
    float raycaster_faceLevelCoef = 1.0f;
    int32_t raycaster_dynMemLimit = 400;
    int32_t raycaster_optLevel = 0;

    int32_t regions_xc = 48;
    int32_t regions_yc = 48;
    int32_t regions_xymeans = 0;
    int32_t regions_seqtype = 5;
    int32_t regions_reverse = 0;

    int32_t dmcSampler_time_dependent = 0;
    float dmcSampler_unnamed1 = 0.0f;
    float dmcSampler_adaptive_amount = 0.85f;
    float dmcSampler_adaptive_threshold = 0.01f;
    int32_t dmcSampler_adaptive_min_samples = 8;
    float dmcSampler_subdivs_mult = 1.0f;
    int32_t dmcSampler_path_sampler_type = 2;

    int32_t colorMapping_type = 0;
    int32_t colorMapping_affect_background = 1;
    int32_t colorMapping_clamp_output = 1;
    int32_t colorMapping_subpixel_mapping = 0;
    float colorMapping_gamma = 1.0f;
    float colorMapping_clamp_level = 1.0f;
    int32_t colorMapping_adaptation_only = 0;
    int32_t colorMapping_linearWorkflow = 0;

    int32_t options_geom_displacement = 1;
    int32_t options_geom_doHidden = 1;
    int32_t options_light_doLights = 1;
    int32_t options_light_doShadows = 1;
    int32_t options_light_doDefaultLights = 1;
    int32_t options_light_onlyGI = 0;
    int32_t options_light_doHiddenLights = 1;
    int32_t options_gi_dontRenderImage = 0;
    int32_t options_mtl_reflectionRefraction = 1;
    int32_t options_mtl_limitDepth = 0;
    int32_t options_mtl_maxDepth = 5;
    int32_t options_mtl_doMaps = 1;
    int32_t options_mtl_filterMaps = 1;
    int32_t options_mtl_filterMapsForSecondaryRays = 0;
    int32_t options_mtl_transpMaxLevels = 50;
    float options_mtl_transpCutoff = 0.001f;
    int32_t options_mtl_override_on = 0;
    int32_t options_mtl_glossy = 1;
    int32_t options_geom_backfaceCull = 0;
    float options_ray_bias = 0.0f;
    int32_t options_unnamed1 = 0;
    int32_t options_misc_lowThreadPriority = 1;

    int32_t displacement_override_on = 0;
    float displacement_edgeLength = 4.0f;
    int32_t displacement_viewDependent = 1;
    int32_t displacement_maxSubdivs = 256;
    int32_t displacement_tightBounds = 1;
    float displacement_amount = 1.0f;
    int32_t displacement_relative = 0;

    int32_t trailing_unnamed1 = 0;
    int32_t trailing_unnamed2 = 0;
};

}  // namespace KilnUtils
