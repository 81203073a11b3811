#include "options/PhysicalCamera.h"

#include "options/RecordFields.h"

namespace KilnCore {
namespace {

// Version 2 stores the animated value's own record; version 1 stored a
// single float, which becomes the value at time 0.
void animatedOrSingle(RecordFields& f, AnimatedReal& value) {
    if (!f.ok()) return;
    QuickArchive& archive = f.archive();
    if (f.carries(2)) {
        if (!(f.reading() ? value.deserialize(archive) : value.serialize(archive))) f.fail();
        return;
    }
    float single = value.valueAt(0.0);
    archive.readFloat(single);
    value.setValue(single, 0.0);
}

}  // namespace

void PhysicalCamera::reset() {
    type = 0;
    film_width = 36.0f;
    focal_length.clear();
    focal_length.setValue(40.0f, 0.0);
    zoom_factor = 1.0f;
    distortion = 0.0f;
    f_number = 8.0f;
    lens_shift = 0.0f;
    shutter_speed = 30.0f;
    shutter_angle = 180.0f;
    shutter_offset = 0.0f;
    latency = 0.0f;
    ISO = 200.0f;
    specify_focus = 0;
    focus_distance.clear();
    focus_distance.setValue(200.0f, 0.0);
    targeted = 0;
    target_distance = 200.0f;
    dof_display_threshold = 0.0f;
    exposure = 1;
    white_balance = {1.0f, 1.0f, 1.0f};
    vignetting = 1;
    blades_enable = 0;
    blades_num = 5;
    blades_rotation = 0.0f;
    center_bias = 0.0f;
    anisotropy = 0.0f;
    use_dof = 0;
    use_moblur = 0;
    subdivs = 6;
}

void PhysicalCamera::fields(RecordFields& f) {
    f.int32(1, type);
    f.real(1, film_width);
    animatedOrSingle(f, focal_length);
    for (float* value : {&zoom_factor, &distortion, &f_number, &lens_shift, &shutter_speed, &shutter_angle,
                         &shutter_offset, &latency, &ISO})
        f.real(1, *value);
    f.int32(1, specify_focus);
    animatedOrSingle(f, focus_distance);
    f.int32(1, targeted);
    f.real(1, target_distance);
    f.real(1, dof_display_threshold);
    f.int32(1, exposure);
    f.color(1, white_balance);
    f.int32(1, vignetting);
    f.int32(1, blades_enable);
    f.int32(1, blades_num);
    f.real(1, blades_rotation);
    f.real(1, center_bias);
    f.real(1, anisotropy);
    f.int32(1, use_dof);
    f.int32(2, use_moblur);
    f.int32(2, subdivs);
}

bool PhysicalCamera::serialize(QuickArchive& archive) {
    archive.writeUInt32(versionWord(kVersion));
    RecordFields f = RecordFields::writer(archive, kVersion);
    fields(f);
    return f.ok();
}

bool PhysicalCamera::deserialize(QuickArchive& archive) {
    RecordScope rec(archive, "PhysicalCamera");
    reset();
    uint16_t version;
    if (!rec.readVersion(version, 1, kVersion)) return false;
    RecordFields f = RecordFields::reader(rec, version);
    fields(f);
    return f.ok();
}

}  // namespace KilnCore
