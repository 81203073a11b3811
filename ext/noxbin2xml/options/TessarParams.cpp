#include "options/TessarParams.h"

#include <array>
#include <variant>

#include "options/RecordFields.h"

namespace KilnCore {
namespace {

using P = KilnUtils::KilnParams;

// An int32 written as 0 and ignored on reading.
struct UnusedInt {};
// A float32 that older versions carry in place of newer fields.
struct UnusedFloat {};

struct BlockField {
    std::variant<int32_t P::*, float P::*, std::string P::*, UnusedInt, UnusedFloat> field;
    uint16_t since = 1;
    uint16_t until = 0xFFFF;
};

constexpr BlockField integer(int32_t P::*field, uint16_t since = 1) { return {field, since}; }
constexpr BlockField real(float P::*field, uint16_t since = 1) { return {field, since}; }
// A file name; an empty one in a record keeps the name the block holds.
constexpr BlockField fileName(std::string P::*field) { return {field}; }
constexpr BlockField unusedInt() { return {UnusedInt{}}; }
constexpr BlockField unusedFloat(uint16_t until) { return {UnusedFloat{}, 1, until}; }

// The record after its version word, in order.
const BlockField kRecord[] = {
    integer(&P::imgFilter_on),

    integer(&P::imgSampler_type),
    integer(&P::imgSampler_fixed_subdivs),
    integer(&P::imgSampler_dmc_minSubdivs),
    integer(&P::imgSampler_dmc_maxSubdivs),
    real(&P::imgSampler_dmc_threshold),
    integer(&P::imgSampler_subdivision_minRate),
    integer(&P::imgSampler_subdivision_maxRate),
    real(&P::imgSampler_subdivision_threshold),
    integer(&P::imgSampler_subdivision_jitter),
    integer(&P::imgSampler_subdivision_edges),
    integer(&P::imgSampler_unnamed1),
    integer(&P::imgSampler_subdivision_normals),
    real(&P::imgSampler_subdivision_normals_threshold),
    integer(&P::imgSampler_unnamed2),
    real(&P::imgSampler_unnamed3),

    integer(&P::camera_type),

    integer(&P::dof_on),
    integer(&P::dof_subdivs),
    real(&P::dof_center_bias),
    integer(&P::dof_sides_on),
    integer(&P::dof_sides_num),
    real(&P::dof_anisotropy),

    integer(&P::moblur_on),
    integer(&P::moblur_geom_samples),
    integer(&P::moblur_unnamed1),
    integer(&P::moblur_unnamed2),
    integer(&P::moblur_subdivs),
    real(&P::moblur_unnamed3),
    integer(&P::moblur_unnamed4),
    integer(&P::moblur_unnamed5),
    integer(&P::moblur_unnamed6),
    real(&P::moblur_unnamed7),
    integer(&P::moblur_low_samples),
    real(&P::moblur_duration),
    real(&P::moblur_interval_center),
    integer(&P::moblur_unnamed8),
    real(&P::moblur_bias),

    integer(&P::gi_on),
    integer(&P::gi_refract_caustics),
    integer(&P::gi_reflect_caustics),
    real(&P::gi_saturation),
    real(&P::gi_contrast),
    real(&P::gi_contrast_base),
    integer(&P::gi_primary_engine),
    real(&P::gi_primary_multiplier),
    integer(&P::gi_secondary_engine),
    real(&P::gi_secondary_multiplier),

    integer(&P::dmcgi_subdivs),
    integer(&P::dmcgi_depth),
    integer(&P::gi_save_maps_per_frame),

    integer(&P::irrMap_min_rate),
    integer(&P::irrMap_max_rate),
    integer(&P::irrMap_subdivs),
    integer(&P::irrMap_interp_samples),
    integer(&P::irrMap_calc_interp_samples),
    real(&P::irrMap_color_threshold),
    real(&P::irrMap_normal_threshold),
    real(&P::irrMap_distance_threshold),
    integer(&P::irrMap_show_samples),
    integer(&P::irrMap_interpolation_mode),
    integer(&P::irrMap_mode),
    integer(&P::irrMap_dont_delete),
    integer(&P::irrMap_randomize_samples),
    integer(&P::irrMap_show_calc_phase),
    integer(&P::irrMap_show_direct_light),
    integer(&P::irrMap_multipass),
    integer(&P::irrMap_auto_save),
    fileName(&P::irrMap_fileName),
    integer(&P::irrMap_lookup_mode),
    integer(&P::irrMap_check_sample_visibility),
    integer(&P::irrMap_unnamed1),
    fileName(&P::irrMap_autoSaveFileName),
    integer(&P::irrMap_detail_enhancement, 5),
    real(&P::irrMap_detail_radius, 5),
    real(&P::irrMap_detail_subdivs_mult, 5),
    integer(&P::irrMap_detail_scale, 5),
    unusedFloat(4),  // in place of the detail fields

    integer(&P::photonMap_bounces),
    real(&P::photonMap_search_distance),
    integer(&P::photonMap_max_photons),
    integer(&P::photonMap_prefilter),
    integer(&P::photonMap_prefilter_samples),
    integer(&P::photonMap_mode),
    real(&P::photonMap_multiplier),
    integer(&P::photonMap_auto_search_distance),
    integer(&P::photonMap_convex_hull_estimate),
    integer(&P::photonMap_dont_delete),
    integer(&P::photonMap_auto_save),
    fileName(&P::photonMap_fileName),
    real(&P::photonMap_retrace_corners),
    integer(&P::photonMap_retrace_bounces),
    integer(&P::photonMap_store_direct_light),
    real(&P::photonMap_max_density),
    fileName(&P::photonMap_autoSaveFileName),

    integer(&P::lightCache_subdivs),
    real(&P::lightCache_sample_size),
    integer(&P::lightCache_filter_type),
    real(&P::lightCache_filter_size),
    integer(&P::lightCache_depth),
    integer(&P::lightCache_show_calc_phase),
    integer(&P::lightCache_store_direct_light),
    integer(&P::lightCache_world_scale),
    integer(&P::lightCache_mode),
    fileName(&P::lightCache_fileName),
    integer(&P::lightCache_dont_delete),
    integer(&P::lightCache_auto_save),
    fileName(&P::lightCache_autoSaveFileName),
    integer(&P::lightCache_filter_samples),
    integer(&P::lightCache_prefilter),
    integer(&P::lightCache_prefilter_samples),
    integer(&P::lightCache_use_for_glossy_rays),
    integer(&P::lightCache_num_passes),
    integer(&P::lightCache_adaptive_sampling),

    integer(&P::caustics_on),
    real(&P::caustics_search_distance),
    integer(&P::caustics_max_photons),
    real(&P::caustics_multiplier),
    real(&P::caustics_max_density),
    integer(&P::caustics_mode),
    integer(&P::caustics_dont_delete),
    integer(&P::caustics_auto_save),
    fileName(&P::caustics_fileName),
    fileName(&P::caustics_autoSaveFileName),

    integer(&P::raycaster_maxLevels),
    real(&P::raycaster_minLeafSize),
    real(&P::raycaster_faceLevelCoef),
    integer(&P::raycaster_dynMemLimit),

    integer(&P::regions_xc),
    integer(&P::regions_yc),
    integer(&P::regions_xymeans),
    integer(&P::regions_seqtype),
    integer(&P::regions_reverse),

    unusedInt(),

    integer(&P::dmcSampler_time_dependent),
    real(&P::dmcSampler_unnamed1),
    real(&P::dmcSampler_adaptive_amount),
    real(&P::dmcSampler_adaptive_threshold),
    integer(&P::dmcSampler_adaptive_min_samples),
    real(&P::dmcSampler_subdivs_mult),
    integer(&P::dmcSampler_path_sampler_type, 2),

    integer(&P::colorMapping_type),
    integer(&P::colorMapping_affect_background),
    integer(&P::colorMapping_clamp_output),
    integer(&P::colorMapping_subpixel_mapping, 3),
    real(&P::colorMapping_gamma, 4),

    integer(&P::options_geom_displacement),
    integer(&P::options_light_doLights),
    integer(&P::options_light_doShadows),
    integer(&P::options_light_doDefaultLights),
    integer(&P::options_light_onlyGI),
    integer(&P::options_light_doHiddenLights),
    integer(&P::options_mtl_reflectionRefraction),
    integer(&P::options_mtl_limitDepth),
    integer(&P::options_mtl_maxDepth),
    integer(&P::options_mtl_doMaps),
    integer(&P::options_mtl_filterMaps),
    integer(&P::options_mtl_transpMaxLevels),
    real(&P::options_mtl_transpCutoff),
    integer(&P::options_mtl_glossy),
    integer(&P::options_gi_dontRenderImage),
    integer(&P::options_mtl_override_on),
    real(&P::options_ray_bias),
    integer(&P::options_unnamed1),
    integer(&P::options_misc_lowThreadPriority),

    integer(&P::displacement_override_on),
    real(&P::displacement_edgeLength),
    integer(&P::displacement_viewDependent),
    integer(&P::displacement_maxSubdivs),
    integer(&P::displacement_tightBounds),
    real(&P::displacement_amount),
    integer(&P::displacement_relative),

    integer(&P::trailing_unnamed1),
    integer(&P::trailing_unnamed2),
};

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

void TessarParams::reset() {
    block.setDefaults();
    block.regions_seqtype = kRegionSequence;
}

void TessarParams::fields(RecordFields& f) {
    for (const BlockField& entry : kRecord) {
        std::visit(Overloaded{
                       [&](int32_t P::*field) { f.int32(entry.since, block.*field); },
                       [&](float P::*field) { f.real(entry.since, block.*field); },
                       [&](std::string P::*field) { f.textUnlessEmpty(entry.since, block.*field); },
                       [&](UnusedInt) { f.unusedInt32(entry.since); },
                       [&](UnusedFloat) { f.unusedFloat(entry.since, entry.until); },
                   },
                   entry.field);
    }
}

bool TessarParams::serialize(QuickArchive& archive) {
    archive.writeUInt32(versionWord(kVersion));
    RecordFields f = RecordFields::writer(archive, kVersion);
    fields(f);
    return f.ok();
}

bool TessarParams::deserialize(QuickArchive& archive) {
    RecordScope rec(archive, "TessarParams");
    const uint32_t word = rec.readVersionWord();
    reset();
    if (!rec.accept(word, 1, kVersion)) return false;
    RecordFields f = RecordFields::reader(rec, recordVersion(word));
    fields(f);
    // Every path sampler but the default one is retired.
    if (f.carries(2)) block.dmcSampler_path_sampler_type = 2;
    return f.ok();
}

}  // namespace KilnCore
