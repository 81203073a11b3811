// The settings of a sun: what a sun light holds and what a sky carries for
// its sun, declared once for both.
#pragma once

#include <cstdint>

#include "serial/Fields.h"
#include "serial/Types.h"

namespace KilnCore {

struct SunSettings {
    Vector3 up_vector{0, 0, 1};
    float shadowBias = 0.0f;
    float turbidity = 3.0f;
    float water_vapour = 2.0f;
    float intensity_multiplier = 1.0f;
    float size_multiplier = 1.0f;
    float photon_radius = 50.0f;
    float photon_emit_distance = 150.0f;
    float ozone = 0.35f;
    int32_t photonSubdivs = 500;
    int32_t causticSubdivs = 1000;
    int32_t shadow_subdivs = 8;
};

// The settings as fields of C, in the order records and parameters hold them.
template <class C>
FieldList<C> sunSettingsFields() {
    using S = SunSettings;
    return {{KILN_MEMBER(S, up_vector)},
            {KILN_MEMBER(S, shadowBias)},
            {KILN_MEMBER(S, turbidity)},
            {KILN_MEMBER(S, water_vapour)},
            {KILN_MEMBER(S, intensity_multiplier)},
            {KILN_MEMBER(S, size_multiplier)},
            {KILN_MEMBER(S, photon_radius)},
            {KILN_MEMBER(S, photon_emit_distance)},
            {KILN_MEMBER(S, ozone)},
            {KILN_MEMBER(S, photonSubdivs)},
            {KILN_MEMBER(S, causticSubdivs)},
            {KILN_MEMBER(S, shadow_subdivs)}};
}

}  // namespace KilnCore
