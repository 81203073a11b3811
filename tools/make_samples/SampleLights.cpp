// Light samples: one record of every light type in the newest version, and
// a few older versions written from the lights' own record layouts.
#include "SampleSet.h"
#include "lights/IESLight.h"
#include "lights/MayaDirectLight.h"
#include "lights/OmniLight.h"
#include "lights/RectangleLight.h"
#include "lights/SphereLight.h"
#include "lights/SpotLight.h"
#include "lights/SunLight.h"

using namespace KilnCore;

namespace samples {
namespace {

// A placement turned a quarter round the z axis and lifted off the ground.
Transform placement(float x, float y, float z) {
    Transform t;
    t.matrix.e[0] = {0, 1, 0};
    t.matrix.e[1] = {-1, 0, 0};
    t.matrix.e[2] = {0, 0, 1};
    t.offset = {x, y, z};
    return t;
}

// The light's record in the given version (0: the newest, through serialize).
template <class L>
void addLight(SampleSet& set, const std::string& name, L light, uint16_t version = 0) {
    set.add("lights/" + name + "-" + std::to_string(L::kTypeId) + ".rec",
            [&](QuickArchive& ar) { return writeRecord(light, ar, L::layout().record, version); });
}

MayaDirectLight directLight() {
    MayaDirectLight light;
    light.color = {1.0f, 0.95f, 0.8f};
    light.shadowColor = {0.1f, 0.1f, 0.2f};
    light.intensity = 2.5f;
    light.shadowRadius = 0.25f;
    light.shadowSubdivs = 16;
    light.transform.setValue(placement(0, 0, 1000), 0.0);
    return light;
}

OmniLight omniLight() {
    OmniLight light;
    light.transform = placement(120, -40, 250);
    light.color = {1.0f, 0.85f, 0.6f};
    light.intensity = 45.5f;
    light.decay = 2.0f;
    light.shadowRadius = 1.5f;
    light.units = 1;
    light.shadowSubdivs = 12;
    light.affectSpecular = false;
    return light;
}

SpotLight spotLight() {
    SpotLight light;
    light.transform = placement(-300, 80, 420);
    light.color = {0.9f, 0.9f, 1.0f};
    light.intensity = 120.0f;
    light.coneAngle = 0.7853982f;
    light.penumbraAngle = 0.1f;
    light.barnDoor = true;
    light.barnDoorLeft = 15.0f;
    light.shadowBias = 0.02f;
    return light;
}

RectangleLight rectangleLight() {
    RectangleLight light;
    light.transform = placement(0, 0, 295);
    light.intensity = 12.0f;
    light.u_size = 60.0f;
    light.v_size = 120.0f;
    light.subdivs = 24;
    light.invisible = true;
    light.lightPortal = true;
    return light;
}

SunLight sunLight() {
    SunLight light("5D4E2F10-6A7B-4C8D-9E0F-A1B2C3D4E5F6", "Afternoon Sun");
    light.transform.setValue(placement(5000, -2500, 8000), 0.0);
    light.up_vector = {0, 0, 1};
    light.turbidity = 4.5f;
    light.intensity_multiplier = 0.8f;
    light.size_multiplier = 2.0f;
    light.shadow_subdivs = 16;
    return light;
}

IESLight iesLight() {
    IESLight light;
    light.transform = placement(200, 200, 280);
    light.filter_color = {1.0f, 0.9f, 0.75f};
    light.intensity = 1500.0f;
    light.soft_shadows = true;
    light.ies_file = "C:\\Lights\\ies\\downlight-30deg.ies";
    return light;
}

SphereLight sphereLight() {
    SphereLight light;
    light.transform = placement(50, 50, 150);
    light.intensity = 8.0f;
    return light;
}

}  // namespace

void addLightSamples(SampleSet& set) {
    addLight(set, "maya-direct", directLight());
    addLight(set, "omni", omniLight());
    addLight(set, "rectangle", rectangleLight());
    addLight(set, "spot", spotLight());
    addLight(set, "sun", sunLight());
    addLight(set, "ies", iesLight());
    addLight(set, "sphere", sphereLight());

    // Older record versions: the fields each version carried.
    addLight(set, "omni-v1", omniLight(), 1);
    addLight(set, "omni-v3", omniLight(), 3);
    addLight(set, "spot-v2", spotLight(), 2);
    addLight(set, "maya-direct-v2", directLight(), 2);
    addLight(set, "rectangle-v1", rectangleLight(), 1);
    addLight(set, "sun-v2", sunLight(), 2);
    addLight(set, "ies-v1", iesLight(), 1);
}

}  // namespace samples
