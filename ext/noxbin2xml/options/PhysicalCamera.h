// The physical (real-lens) camera: film, lens, shutter, exposure, focus,
// aperture blades, depth of field and motion blur. Focal length and focus
// distance are animated; a single number is their value at time 0.
#pragma once

#include "animated/AnimatedValues.h"
#include "options/BaseCamera.h"
#include "serial/Types.h"

namespace KilnCore {

class RecordFields;

class PhysicalCamera : public BaseCamera {
public:
    static constexpr uint16_t kVersion = 2;

    PhysicalCamera() { reset(); }

    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    int32_t typeId() const override { return 0; }
    std::shared_ptr<BaseCamera> clone() const override { return std::make_shared<PhysicalCamera>(*this); }
    void reset() override;

    // The camera is written as a settings group of the options.
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return "CameraPhysical"; }

    int32_t type;
    float film_width;
    AnimatedReal focal_length;
    float zoom_factor;
    float distortion;
    float f_number;
    float lens_shift;
    float shutter_speed;
    float shutter_angle;
    float shutter_offset;
    float latency;
    float ISO;
    int32_t specify_focus;
    AnimatedReal focus_distance;
    int32_t targeted;
    float target_distance;
    float dof_display_threshold;
    int32_t exposure;
    Color white_balance;
    int32_t vignetting;
    int32_t blades_enable;
    int32_t blades_num;
    float blades_rotation;
    float center_bias;
    float anisotropy;
    int32_t use_dof;
    int32_t use_moblur;
    int32_t subdivs;

private:
    void fields(RecordFields& f);
};

}  // namespace KilnCore
