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
    Field<L> color{"color", &S::color};
    Field<L> shadowColor{"shadowColor", &S::shadowColor};
    Field<L> shadowBias{"shadowBias", &S::shadowBias};
    Field<L> shadowRadius{"shadowRadius", &S::shadowRadius};
    Field<L> intensity{"intensity", &S::intensity};
    Field<L> lightFactor{"lightFactor", &S::lightFactor};
    Field<L> photonSubdivs{"photonSubdivs", &S::photonSubdivs};
    Field<L> causticSubdivs{"causticSubdivs", &S::causticSubdivs};
    Field<L> shadowSubdivs{"shadowSubdivs", &S::shadowSubdivs};
    Field<L> lightMode{"lightMode", &S::lightMode};
    Field<L> enabled{"enabled", &S::enabled};
    Field<L> shadows{"shadows", &S::shadows};
};

template <class L>
struct PointLightSettingsFields : LightSettingsFields<L> {
    using P = PointLightSettings;
    Field<L> transform{"transform", &P::transform};
    Field<L> cutoffThreshold{"cutoffThreshold", &P::cutoffThreshold};
    Field<L> decay{"decay", &P::decay};
    Field<L> units{"units", &P::units};
    Field<L> affectDiffuse{"affectDiffuse", &P::affectDiffuse};
    Field<L> affectSpecular{"affectSpecular", &P::affectSpecular};
};

}  // namespace KilnCore
