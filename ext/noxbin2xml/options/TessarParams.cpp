#include "options/TessarParams.h"

#include <iterator>

namespace KilnCore {
namespace {

using T = TessarParams;
using P = KilnUtils::KilnParams;

// An int32 written as 0 and ignored on reading.
Field<T> unusedInt() { return Field<T>::gap<int32_t>("unused"); }
// A float32 that older versions carry in place of newer fields.
Field<T> unusedFloat(uint16_t until) { return Field<T>::gap<float>("unused").droppedAfter(until); }

// The record after its version word, in order. Fields are named after the
// members they are read into; a file name read empty keeps the name the
// block holds.
const Field<T> kRecord[] = {
    {KILN_MEMBER(P, imgFilter_on)},

    {KILN_MEMBER(P, imgSampler_type)},
    {KILN_MEMBER(P, imgSampler_fixed_subdivs)},
    {KILN_MEMBER(P, imgSampler_dmc_minSubdivs)},
    {KILN_MEMBER(P, imgSampler_dmc_maxSubdivs)},
    {KILN_MEMBER(P, imgSampler_dmc_threshold)},
    {KILN_MEMBER(P, imgSampler_subdivision_minRate)},
    {KILN_MEMBER(P, imgSampler_subdivision_maxRate)},
    {KILN_MEMBER(P, imgSampler_subdivision_threshold)},
    {KILN_MEMBER(P, imgSampler_subdivision_jitter)},
    {KILN_MEMBER(P, imgSampler_subdivision_edges)},
    {KILN_MEMBER(P, imgSampler_unnamed1)},
    {KILN_MEMBER(P, imgSampler_subdivision_normals)},
    {KILN_MEMBER(P, imgSampler_subdivision_normals_threshold)},
    {KILN_MEMBER(P, imgSampler_unnamed2)},
    {KILN_MEMBER(P, imgSampler_unnamed3)},

    {KILN_MEMBER(P, camera_type)},

    {KILN_MEMBER(P, dof_on)},
    {KILN_MEMBER(P, dof_subdivs)},
    {KILN_MEMBER(P, dof_center_bias)},
    {KILN_MEMBER(P, dof_sides_on)},
    {KILN_MEMBER(P, dof_sides_num)},
    {KILN_MEMBER(P, dof_anisotropy)},

    {KILN_MEMBER(P, moblur_on)},
    {KILN_MEMBER(P, moblur_geom_samples)},
    {KILN_MEMBER(P, moblur_unnamed1)},
    {KILN_MEMBER(P, moblur_unnamed2)},
    {KILN_MEMBER(P, moblur_subdivs)},
    {KILN_MEMBER(P, moblur_unnamed3)},
    {KILN_MEMBER(P, moblur_unnamed4)},
    {KILN_MEMBER(P, moblur_unnamed5)},
    {KILN_MEMBER(P, moblur_unnamed6)},
    {KILN_MEMBER(P, moblur_unnamed7)},
    {KILN_MEMBER(P, moblur_low_samples)},
    {KILN_MEMBER(P, moblur_duration)},
    {KILN_MEMBER(P, moblur_interval_center)},
    {KILN_MEMBER(P, moblur_unnamed8)},
    {KILN_MEMBER(P, moblur_bias)},

    {KILN_MEMBER(P, gi_on)},
    {KILN_MEMBER(P, gi_refract_caustics)},
    {KILN_MEMBER(P, gi_reflect_caustics)},
    {KILN_MEMBER(P, gi_saturation)},
    {KILN_MEMBER(P, gi_contrast)},
    {KILN_MEMBER(P, gi_contrast_base)},
    {KILN_MEMBER(P, gi_primary_engine)},
    {KILN_MEMBER(P, gi_primary_multiplier)},
    {KILN_MEMBER(P, gi_secondary_engine)},
    {KILN_MEMBER(P, gi_secondary_multiplier)},

    {KILN_MEMBER(P, dmcgi_subdivs)},
    {KILN_MEMBER(P, dmcgi_depth)},
    {KILN_MEMBER(P, gi_save_maps_per_frame)},

    {KILN_MEMBER(P, irrMap_min_rate)},
    {KILN_MEMBER(P, irrMap_max_rate)},
    {KILN_MEMBER(P, irrMap_subdivs)},
    {KILN_MEMBER(P, irrMap_interp_samples)},
    {KILN_MEMBER(P, irrMap_calc_interp_samples)},
    {KILN_MEMBER(P, irrMap_color_threshold)},
    {KILN_MEMBER(P, irrMap_normal_threshold)},
    {KILN_MEMBER(P, irrMap_distance_threshold)},
    {KILN_MEMBER(P, irrMap_show_samples)},
    {KILN_MEMBER(P, irrMap_interpolation_mode)},
    {KILN_MEMBER(P, irrMap_mode)},
    {KILN_MEMBER(P, irrMap_dont_delete)},
    {KILN_MEMBER(P, irrMap_randomize_samples)},
    {KILN_MEMBER(P, irrMap_show_calc_phase)},
    {KILN_MEMBER(P, irrMap_show_direct_light)},
    {KILN_MEMBER(P, irrMap_multipass)},
    {KILN_MEMBER(P, irrMap_auto_save)},
    {KILN_MEMBER(P, irrMap_fileName), Form::KeepIfEmpty},
    {KILN_MEMBER(P, irrMap_lookup_mode)},
    {KILN_MEMBER(P, irrMap_check_sample_visibility)},
    {KILN_MEMBER(P, irrMap_unnamed1)},
    {KILN_MEMBER(P, irrMap_autoSaveFileName), Form::KeepIfEmpty},
    Field<T>(KILN_MEMBER(P, irrMap_detail_enhancement)).addedIn(5),
    Field<T>(KILN_MEMBER(P, irrMap_detail_radius)).addedIn(5),
    Field<T>(KILN_MEMBER(P, irrMap_detail_subdivs_mult)).addedIn(5),
    Field<T>(KILN_MEMBER(P, irrMap_detail_scale)).addedIn(5),
    unusedFloat(4),  // in place of the detail fields

    {KILN_MEMBER(P, photonMap_bounces)},
    {KILN_MEMBER(P, photonMap_search_distance)},
    {KILN_MEMBER(P, photonMap_max_photons)},
    {KILN_MEMBER(P, photonMap_prefilter)},
    {KILN_MEMBER(P, photonMap_prefilter_samples)},
    {KILN_MEMBER(P, photonMap_mode)},
    {KILN_MEMBER(P, photonMap_multiplier)},
    {KILN_MEMBER(P, photonMap_auto_search_distance)},
    {KILN_MEMBER(P, photonMap_convex_hull_estimate)},
    {KILN_MEMBER(P, photonMap_dont_delete)},
    {KILN_MEMBER(P, photonMap_auto_save)},
    {KILN_MEMBER(P, photonMap_fileName), Form::KeepIfEmpty},
    {KILN_MEMBER(P, photonMap_retrace_corners)},
    {KILN_MEMBER(P, photonMap_retrace_bounces)},
    {KILN_MEMBER(P, photonMap_store_direct_light)},
    {KILN_MEMBER(P, photonMap_max_density)},
    {KILN_MEMBER(P, photonMap_autoSaveFileName), Form::KeepIfEmpty},

    {KILN_MEMBER(P, lightCache_subdivs)},
    {KILN_MEMBER(P, lightCache_sample_size)},
    {KILN_MEMBER(P, lightCache_filter_type)},
    {KILN_MEMBER(P, lightCache_filter_size)},
    {KILN_MEMBER(P, lightCache_depth)},
    {KILN_MEMBER(P, lightCache_show_calc_phase)},
    {KILN_MEMBER(P, lightCache_store_direct_light)},
    {KILN_MEMBER(P, lightCache_world_scale)},
    {KILN_MEMBER(P, lightCache_mode)},
    {KILN_MEMBER(P, lightCache_fileName), Form::KeepIfEmpty},
    {KILN_MEMBER(P, lightCache_dont_delete)},
    {KILN_MEMBER(P, lightCache_auto_save)},
    {KILN_MEMBER(P, lightCache_autoSaveFileName), Form::KeepIfEmpty},
    {KILN_MEMBER(P, lightCache_filter_samples)},
    {KILN_MEMBER(P, lightCache_prefilter)},
    {KILN_MEMBER(P, lightCache_prefilter_samples)},
    {KILN_MEMBER(P, lightCache_use_for_glossy_rays)},
    {KILN_MEMBER(P, lightCache_num_passes)},
    {KILN_MEMBER(P, lightCache_adaptive_sampling)},

    {KILN_MEMBER(P, caustics_on)},
    {KILN_MEMBER(P, caustics_search_distance)},
    {KILN_MEMBER(P, caustics_max_photons)},
    {KILN_MEMBER(P, caustics_multiplier)},
    {KILN_MEMBER(P, caustics_max_density)},
    {KILN_MEMBER(P, caustics_mode)},
    {KILN_MEMBER(P, caustics_dont_delete)},
    {KILN_MEMBER(P, caustics_auto_save)},
    {KILN_MEMBER(P, caustics_fileName), Form::KeepIfEmpty},
    {KILN_MEMBER(P, caustics_autoSaveFileName), Form::KeepIfEmpty},

    {KILN_MEMBER(P, raycaster_maxLevels)},
    {KILN_MEMBER(P, raycaster_minLeafSize)},
    {KILN_MEMBER(P, raycaster_faceLevelCoef)},
    {KILN_MEMBER(P, raycaster_dynMemLimit)},

    {KILN_MEMBER(P, regions_xc)},
    {KILN_MEMBER(P, regions_yc)},
    {KILN_MEMBER(P, regions_xymeans)},
    {KILN_MEMBER(P, regions_seqtype)},
    {KILN_MEMBER(P, regions_reverse)},

    unusedInt(),

    {KILN_MEMBER(P, dmcSampler_time_dependent)},
    {KILN_MEMBER(P, dmcSampler_unnamed1)},
    {KILN_MEMBER(P, dmcSampler_adaptive_amount)},
    {KILN_MEMBER(P, dmcSampler_adaptive_threshold)},
    {KILN_MEMBER(P, dmcSampler_adaptive_min_samples)},
    {KILN_MEMBER(P, dmcSampler_subdivs_mult)},
    Field<T>(KILN_MEMBER(P, dmcSampler_path_sampler_type)).addedIn(2),

    {KILN_MEMBER(P, colorMapping_type)},
    {KILN_MEMBER(P, colorMapping_affect_background)},
    {KILN_MEMBER(P, colorMapping_clamp_output)},
    Field<T>(KILN_MEMBER(P, colorMapping_subpixel_mapping)).addedIn(3),
    Field<T>(KILN_MEMBER(P, colorMapping_gamma)).addedIn(4),

    {KILN_MEMBER(P, options_geom_displacement)},
    {KILN_MEMBER(P, options_light_doLights)},
    {KILN_MEMBER(P, options_light_doShadows)},
    {KILN_MEMBER(P, options_light_doDefaultLights)},
    {KILN_MEMBER(P, options_light_onlyGI)},
    {KILN_MEMBER(P, options_light_doHiddenLights)},
    {KILN_MEMBER(P, options_mtl_reflectionRefraction)},
    {KILN_MEMBER(P, options_mtl_limitDepth)},
    {KILN_MEMBER(P, options_mtl_maxDepth)},
    {KILN_MEMBER(P, options_mtl_doMaps)},
    {KILN_MEMBER(P, options_mtl_filterMaps)},
    {KILN_MEMBER(P, options_mtl_transpMaxLevels)},
    {KILN_MEMBER(P, options_mtl_transpCutoff)},
    {KILN_MEMBER(P, options_mtl_glossy)},
    {KILN_MEMBER(P, options_gi_dontRenderImage)},
    {KILN_MEMBER(P, options_mtl_override_on)},
    {KILN_MEMBER(P, options_ray_bias)},
    {KILN_MEMBER(P, options_unnamed1)},
    {KILN_MEMBER(P, options_misc_lowThreadPriority)},

    {KILN_MEMBER(P, displacement_override_on)},
    {KILN_MEMBER(P, displacement_edgeLength)},
    {KILN_MEMBER(P, displacement_viewDependent)},
    {KILN_MEMBER(P, displacement_maxSubdivs)},
    {KILN_MEMBER(P, displacement_tightBounds)},
    {KILN_MEMBER(P, displacement_amount)},
    {KILN_MEMBER(P, displacement_relative)},

    {KILN_MEMBER(P, trailing_unnamed1)},
    {KILN_MEMBER(P, trailing_unnamed2)},
};

}  // namespace

const RecordLayout<TessarParams>& TessarParams::layout() {
    static const RecordLayout<T> layout = [] {
        auto layout = RecordLayout<T>::since("TessarParams", 1, 5, FieldList<T>(std::begin(kRecord), std::end(kRecord)));
        // Every path sampler but the default one is retired.
        layout.finish = [](T& params, uint16_t version) {
            if (version >= 2) params.dmcSampler_path_sampler_type = 2;
        };
        return layout;
    }();
    return layout;
}

bool TessarParams::serialize(QuickArchive& archive) { return writeRecord(*this, archive, layout()); }

bool TessarParams::deserialize(QuickArchive& archive) { return readRecord(*this, archive, layout()); }

}  // namespace KilnCore
