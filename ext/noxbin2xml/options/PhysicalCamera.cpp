#include "options/PhysicalCamera.h"

#include "serial/Fields.h"

namespace KilnCore {
namespace {

using C = PhysicalCamera;


// Version 2 stores the animated values' own records and adds two fields;
// version 1 stored a single float for each animated value.
FieldList<C> cameraFields(Form animated) {
    return {{KILN_MEMBER(C, type)},
            {KILN_MEMBER(C, film_width)},
            {KILN_MEMBER(C, focal_length), animated},
            {KILN_MEMBER(C, zoom_factor)},
            {KILN_MEMBER(C, distortion)},
            {KILN_MEMBER(C, f_number)},
            {KILN_MEMBER(C, lens_shift)},
            {KILN_MEMBER(C, shutter_speed)},
            {KILN_MEMBER(C, shutter_angle)},
            {KILN_MEMBER(C, shutter_offset)},
            {KILN_MEMBER(C, latency)},
            {KILN_MEMBER(C, ISO)},
            {KILN_MEMBER(C, specify_focus)},
            {KILN_MEMBER(C, focus_distance), animated},
            {KILN_MEMBER(C, targeted)},
            {KILN_MEMBER(C, target_distance)},
            {KILN_MEMBER(C, dof_display_threshold)},
            {KILN_MEMBER(C, exposure)},
            {KILN_MEMBER(C, white_balance)},
            {KILN_MEMBER(C, vignetting)},
            {KILN_MEMBER(C, blades_enable)},
            {KILN_MEMBER(C, blades_num)},
            {KILN_MEMBER(C, blades_rotation)},
            {KILN_MEMBER(C, center_bias)},
            {KILN_MEMBER(C, anisotropy)},
            {KILN_MEMBER(C, use_dof)}};
}

const RecordLayout<C>& cameraRecord() {
    static const RecordLayout<C> layout{
        "PhysicalCamera",
        1,
        {cameraFields(Form::AtTimeZero), cameraFields(Form::Plain) + FieldList<C>{{KILN_MEMBER(C, use_moblur)}, {KILN_MEMBER(C, subdivs)}}}};
    return layout;
}


}  // namespace

bool PhysicalCamera::serialize(QuickArchive& archive) { return writeRecord(*this, archive, cameraRecord()); }

bool PhysicalCamera::deserialize(QuickArchive& archive) { return readRecord(*this, archive, cameraRecord()); }

}  // namespace KilnCore
