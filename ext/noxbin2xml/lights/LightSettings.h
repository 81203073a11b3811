// The settings the directional, omni and spot lights share, and their field
// descriptors for any light that holds them.
#pragma once

#include <cstdint>

#include "serial/Fields.h"
#include "serial/Types.h"

namespace KilnCore {

struct LightSettings {
    explicit LightSettings(float defaultIntensity) : intensity(defaultIntensity) {}

    Color color{1, 1, 1};
    Color shadowColor{0, 0, 0};
    float shadowBias = 0.0f;
    float shadowRadius = 0.0f;
    float intensity;
    float lightFactor = 1.0f;  // stored only, no parameter
    uint32_t photonSubdivs = 500;
    uint32_t causticSubdivs = 1000;
    uint32_t shadowSubdivs = 8;
    int32_t lightMode = 3;  // stored only, no parameter
    bool enabled = true;
    bool shadows = true;
};

// A light placed by a plain transform that can leave out diffuse or
// specular light: the omni and spot lights.
struct PointLightSettings : LightSettings {
    explicit PointLightSettings(float defaultIntensity) : LightSettings(defaultIntensity) {}

    Transform transform;
    float cutoffThreshold = 0.005f;
    float decay = 0.0f;
    int32_t units = 0;
    bool affectDiffuse = true;
    bool affectSpecular = true;
};

// The descriptors of the shared settings, for the light L that holds them.
template <class L>
struct LightSettingsFields {
    using S = LightSettings;
    Field<L> color{KILN_MEMBER(S, color)};
    Field<L> shadowColor{KILN_MEMBER(S, shadowColor)};
    Field<L> shadowBias{KILN_MEMBER(S, shadowBias)};
    Field<L> shadowRadius{KILN_MEMBER(S, shadowRadius)};
    Field<L> intensity{KILN_MEMBER(S, intensity)};
    Field<L> lightFactor{KILN_MEMBER(S, lightFactor)};
    Field<L> photonSubdivs{KILN_MEMBER(S, photonSubdivs)};
    Field<L> causticSubdivs{KILN_MEMBER(S, causticSubdivs)};
    Field<L> shadowSubdivs{KILN_MEMBER(S, shadowSubdivs)};
    Field<L> lightMode{KILN_MEMBER(S, lightMode)};
    Field<L> enabled{KILN_MEMBER(S, enabled)};
    Field<L> shadows{KILN_MEMBER(S, shadows)};
};

template <class L>
struct PointLightSettingsFields : LightSettingsFields<L> {
    using P = PointLightSettings;
    Field<L> transform{KILN_MEMBER(P, transform)};
    Field<L> cutoffThreshold{KILN_MEMBER(P, cutoffThreshold)};
    Field<L> decay{KILN_MEMBER(P, decay)};
    Field<L> units{KILN_MEMBER(P, units)};
    Field<L> affectDiffuse{KILN_MEMBER(P, affectDiffuse)};
    Field<L> affectSpecular{KILN_MEMBER(P, affectSpecular)};
};

}  // namespace KilnCore
