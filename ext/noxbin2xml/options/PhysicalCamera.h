// The physical (real-lens) camera: film, lens, shutter, exposure, focus,
// aperture blades, depth of field and motion blur. Focal length and focus
// distance are animated; a single number is their value at time 0.
#pragma once

#include "animated/AnimatedValues.h"
#include "options/BaseCamera.h"
#include "serial/Types.h"

namespace KilnCore {

class PhysicalCamera : public BaseCamera {
public:
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    int32_t typeId() const override { return 0; }
    std::shared_ptr<BaseCamera> clone() const override { return std::make_shared<PhysicalCamera>(*this); }
    void reset() override { *this = PhysicalCamera(); }

    // The camera is written as a settings group of the options.
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return "CameraPhysical"; }

    int32_t type = 0;
    float film_width = 36.0f;
    AnimatedReal focal_length = AnimatedReal::single(40.0f);
    float zoom_factor = 1.0f;
    float distortion = 0.0f;
    float f_number = 8.0f;
    float lens_shift = 0.0f;
    float shutter_speed = 30.0f;
    float shutter_angle = 180.0f;
    float shutter_offset = 0.0f;
    float latency = 0.0f;
    float ISO = 200.0f;
    int32_t specify_focus = 0;
    AnimatedReal focus_distance = AnimatedReal::single(200.0f);
    int32_t targeted = 0;
    float target_distance = 200.0f;
    float dof_display_threshold = 0.0f;
    int32_t exposure = 1;
    Color white_balance{1.0f, 1.0f, 1.0f};
    int32_t vignetting = 1;
    int32_t blades_enable = 0;
    int32_t blades_num = 5;
    float blades_rotation = 0.0f;
    float center_bias = 0.0f;
    float anisotropy = 0.0f;
    int32_t use_dof = 0;
    int32_t use_moblur = 0;
    int32_t subdivs = 6;
};

}  // namespace KilnCore
