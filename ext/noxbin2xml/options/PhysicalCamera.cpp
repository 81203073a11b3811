#include "options/PhysicalCamera.h"

#include "serial/Fields.h"

namespace KilnCore {
namespace {

using C = PhysicalCamera;

// Fields are named after the members they are read into.
#define MEMBER(name) #name, &C::name

// Version 2 stores the animated values' own records and adds two fields;
// version 1 stored a single float for each animated value.
FieldList<C> cameraFields(Form animated) {
    return {{MEMBER(type)},
            {MEMBER(film_width)},
            {MEMBER(focal_length), animated},
            {MEMBER(zoom_factor)},
            {MEMBER(distortion)},
            {MEMBER(f_number)},
            {MEMBER(lens_shift)},
            {MEMBER(shutter_speed)},
            {MEMBER(shutter_angle)},
            {MEMBER(shutter_offset)},
            {MEMBER(latency)},
            {MEMBER(ISO)},
            {MEMBER(specify_focus)},
            {MEMBER(focus_distance), animated},
            {MEMBER(targeted)},
            {MEMBER(target_distance)},
            {MEMBER(dof_display_threshold)},
            {MEMBER(exposure)},
            {MEMBER(white_balance)},
            {MEMBER(vignetting)},
            {MEMBER(blades_enable)},
            {MEMBER(blades_num)},
            {MEMBER(blades_rotation)},
            {MEMBER(center_bias)},
            {MEMBER(anisotropy)},
            {MEMBER(use_dof)}};
}

const RecordLayout<C>& cameraRecord() {
    static const RecordLayout<C> layout{
        "PhysicalCamera",
        1,
        {cameraFields(Form::AtTimeZero), cameraFields(Form::Plain) + FieldList<C>{{MEMBER(use_moblur)}, {MEMBER(subdivs)}}}};
    return layout;
}

#undef MEMBER

}  // namespace

bool PhysicalCamera::serialize(QuickArchive& archive) { return writeRecord(*this, archive, cameraRecord()); }

bool PhysicalCamera::deserialize(QuickArchive& archive) { return readRecord(*this, archive, cameraRecord()); }

}  // namespace KilnCore
