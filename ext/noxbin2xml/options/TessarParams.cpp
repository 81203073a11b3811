#include "options/TessarParams.h"

#include <iterator>

namespace KilnCore {
namespace {

using T = TessarParams;
using P = KilnUtils::KilnParams;

Field<T> integer(std::string_view name, int32_t P::*field, uint16_t since = 1) {
    return Field<T>(name, field).addedIn(since);
}
Field<T> real(std::string_view name, float P::*field, uint16_t since = 1) {
    return Field<T>(name, field).addedIn(since);
}
// A file name; an empty one in a record keeps the name the block holds.
Field<T> fileName(std::string_view name, std::string P::*field) {
    return Field<T>(name, field, Form::KeepIfEmpty);
}
// An int32 written as 0 and ignored on reading.
Field<T> unusedInt() { return Field<T>::gap<int32_t>("unused"); }
// A float32 that older versions carry in place of newer fields.
Field<T> unusedFloat(uint16_t until) { return Field<T>::gap<float>("unused").droppedAfter(until); }

// The record after its version word, in order. Fields are named after the
// members they are read into.
#define MEMBER(name) #name, &P::name
const Field<T> kRecord[] = {
    integer(MEMBER(imgFilter_on)),

    integer(MEMBER(imgSampler_type)),
    integer(MEMBER(imgSampler_fixed_subdivs)),
    integer(MEMBER(imgSampler_dmc_minSubdivs)),
    integer(MEMBER(imgSampler_dmc_maxSubdivs)),
    real(MEMBER(imgSampler_dmc_threshold)),
    integer(MEMBER(imgSampler_subdivision_minRate)),
    integer(MEMBER(imgSampler_subdivision_maxRate)),
    real(MEMBER(imgSampler_subdivision_threshold)),
    integer(MEMBER(imgSampler_subdivision_jitter)),
    integer(MEMBER(imgSampler_subdivision_edges)),
    integer(MEMBER(imgSampler_unnamed1)),
    integer(MEMBER(imgSampler_subdivision_normals)),
    real(MEMBER(imgSampler_subdivision_normals_threshold)),
    integer(MEMBER(imgSampler_unnamed2)),
    real(MEMBER(imgSampler_unnamed3)),

    integer(MEMBER(camera_type)),

    integer(MEMBER(dof_on)),
    integer(MEMBER(dof_subdivs)),
    real(MEMBER(dof_center_bias)),
    integer(MEMBER(dof_sides_on)),
    integer(MEMBER(dof_sides_num)),
    real(MEMBER(dof_anisotropy)),

    integer(MEMBER(moblur_on)),
    integer(MEMBER(moblur_geom_samples)),
    integer(MEMBER(moblur_unnamed1)),
    integer(MEMBER(moblur_unnamed2)),
    integer(MEMBER(moblur_subdivs)),
    real(MEMBER(moblur_unnamed3)),
    integer(MEMBER(moblur_unnamed4)),
    integer(MEMBER(moblur_unnamed5)),
    integer(MEMBER(moblur_unnamed6)),
    real(MEMBER(moblur_unnamed7)),
    integer(MEMBER(moblur_low_samples)),
    real(MEMBER(moblur_duration)),
    real(MEMBER(moblur_interval_center)),
    integer(MEMBER(moblur_unnamed8)),
    real(MEMBER(moblur_bias)),

    integer(MEMBER(gi_on)),
    integer(MEMBER(gi_refract_caustics)),
    integer(MEMBER(gi_reflect_caustics)),
    real(MEMBER(gi_saturation)),
    real(MEMBER(gi_contrast)),
    real(MEMBER(gi_contrast_base)),
    integer(MEMBER(gi_primary_engine)),
    real(MEMBER(gi_primary_multiplier)),
    integer(MEMBER(gi_secondary_engine)),
    real(MEMBER(gi_secondary_multiplier)),

    integer(MEMBER(dmcgi_subdivs)),
    integer(MEMBER(dmcgi_depth)),
    integer(MEMBER(gi_save_maps_per_frame)),

    integer(MEMBER(irrMap_min_rate)),
    integer(MEMBER(irrMap_max_rate)),
    integer(MEMBER(irrMap_subdivs)),
    integer(MEMBER(irrMap_interp_samples)),
    integer(MEMBER(irrMap_calc_interp_samples)),
    real(MEMBER(irrMap_color_threshold)),
    real(MEMBER(irrMap_normal_threshold)),
    real(MEMBER(irrMap_distance_threshold)),
    integer(MEMBER(irrMap_show_samples)),
    integer(MEMBER(irrMap_interpolation_mode)),
    integer(MEMBER(irrMap_mode)),
    integer(MEMBER(irrMap_dont_delete)),
    integer(MEMBER(irrMap_randomize_samples)),
    integer(MEMBER(irrMap_show_calc_phase)),
    integer(MEMBER(irrMap_show_direct_light)),
    integer(MEMBER(irrMap_multipass)),
    integer(MEMBER(irrMap_auto_save)),
    fileName(MEMBER(irrMap_fileName)),
    integer(MEMBER(irrMap_lookup_mode)),
    integer(MEMBER(irrMap_check_sample_visibility)),
    integer(MEMBER(irrMap_unnamed1)),
    fileName(MEMBER(irrMap_autoSaveFileName)),
    integer(MEMBER(irrMap_detail_enhancement), 5),
    real(MEMBER(irrMap_detail_radius), 5),
    real(MEMBER(irrMap_detail_subdivs_mult), 5),
    integer(MEMBER(irrMap_detail_scale), 5),
    unusedFloat(4),  // in place of the detail fields

    integer(MEMBER(photonMap_bounces)),
    real(MEMBER(photonMap_search_distance)),
    integer(MEMBER(photonMap_max_photons)),
    integer(MEMBER(photonMap_prefilter)),
    integer(MEMBER(photonMap_prefilter_samples)),
    integer(MEMBER(photonMap_mode)),
    real(MEMBER(photonMap_multiplier)),
    integer(MEMBER(photonMap_auto_search_distance)),
    integer(MEMBER(photonMap_convex_hull_estimate)),
    integer(MEMBER(photonMap_dont_delete)),
    integer(MEMBER(photonMap_auto_save)),
    fileName(MEMBER(photonMap_fileName)),
    real(MEMBER(photonMap_retrace_corners)),
    integer(MEMBER(photonMap_retrace_bounces)),
    integer(MEMBER(photonMap_store_direct_light)),
    real(MEMBER(photonMap_max_density)),
    fileName(MEMBER(photonMap_autoSaveFileName)),

    integer(MEMBER(lightCache_subdivs)),
    real(MEMBER(lightCache_sample_size)),
    integer(MEMBER(lightCache_filter_type)),
    real(MEMBER(lightCache_filter_size)),
    integer(MEMBER(lightCache_depth)),
    integer(MEMBER(lightCache_show_calc_phase)),
    integer(MEMBER(lightCache_store_direct_light)),
    integer(MEMBER(lightCache_world_scale)),
    integer(MEMBER(lightCache_mode)),
    fileName(MEMBER(lightCache_fileName)),
    integer(MEMBER(lightCache_dont_delete)),
    integer(MEMBER(lightCache_auto_save)),
    fileName(MEMBER(lightCache_autoSaveFileName)),
    integer(MEMBER(lightCache_filter_samples)),
    integer(MEMBER(lightCache_prefilter)),
    integer(MEMBER(lightCache_prefilter_samples)),
    integer(MEMBER(lightCache_use_for_glossy_rays)),
    integer(MEMBER(lightCache_num_passes)),
    integer(MEMBER(lightCache_adaptive_sampling)),

    integer(MEMBER(caustics_on)),
    real(MEMBER(caustics_search_distance)),
    integer(MEMBER(caustics_max_photons)),
    real(MEMBER(caustics_multiplier)),
    real(MEMBER(caustics_max_density)),
    integer(MEMBER(caustics_mode)),
    integer(MEMBER(caustics_dont_delete)),
    integer(MEMBER(caustics_auto_save)),
    fileName(MEMBER(caustics_fileName)),
    fileName(MEMBER(caustics_autoSaveFileName)),

    integer(MEMBER(raycaster_maxLevels)),
    real(MEMBER(raycaster_minLeafSize)),
    real(MEMBER(raycaster_faceLevelCoef)),
    integer(MEMBER(raycaster_dynMemLimit)),

    integer(MEMBER(regions_xc)),
    integer(MEMBER(regions_yc)),
    integer(MEMBER(regions_xymeans)),
    integer(MEMBER(regions_seqtype)),
    integer(MEMBER(regions_reverse)),

    unusedInt(),

    integer(MEMBER(dmcSampler_time_dependent)),
    real(MEMBER(dmcSampler_unnamed1)),
    real(MEMBER(dmcSampler_adaptive_amount)),
    real(MEMBER(dmcSampler_adaptive_threshold)),
    integer(MEMBER(dmcSampler_adaptive_min_samples)),
    real(MEMBER(dmcSampler_subdivs_mult)),
    integer(MEMBER(dmcSampler_path_sampler_type), 2),

    integer(MEMBER(colorMapping_type)),
    integer(MEMBER(colorMapping_affect_background)),
    integer(MEMBER(colorMapping_clamp_output)),
    integer(MEMBER(colorMapping_subpixel_mapping), 3),
    real(MEMBER(colorMapping_gamma), 4),

    integer(MEMBER(options_geom_displacement)),
    integer(MEMBER(options_light_doLights)),
    integer(MEMBER(options_light_doShadows)),
    integer(MEMBER(options_light_doDefaultLights)),
    integer(MEMBER(options_light_onlyGI)),
    integer(MEMBER(options_light_doHiddenLights)),
    integer(MEMBER(options_mtl_reflectionRefraction)),
    integer(MEMBER(options_mtl_limitDepth)),
    integer(MEMBER(options_mtl_maxDepth)),
    integer(MEMBER(options_mtl_doMaps)),
    integer(MEMBER(options_mtl_filterMaps)),
    integer(MEMBER(options_mtl_transpMaxLevels)),
    real(MEMBER(options_mtl_transpCutoff)),
    integer(MEMBER(options_mtl_glossy)),
    integer(MEMBER(options_gi_dontRenderImage)),
    integer(MEMBER(options_mtl_override_on)),
    real(MEMBER(options_ray_bias)),
    integer(MEMBER(options_unnamed1)),
    integer(MEMBER(options_misc_lowThreadPriority)),

    integer(MEMBER(displacement_override_on)),
    real(MEMBER(displacement_edgeLength)),
    integer(MEMBER(displacement_viewDependent)),
    integer(MEMBER(displacement_maxSubdivs)),
    integer(MEMBER(displacement_tightBounds)),
    real(MEMBER(displacement_amount)),
    integer(MEMBER(displacement_relative)),

    integer(MEMBER(trailing_unnamed1)),
    integer(MEMBER(trailing_unnamed2)),
};
#undef MEMBER

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
