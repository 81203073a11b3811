// Scene records of every kind: the kind word, then the render options and,
// by kind, the material library, the default sun and a sky.
#include <algorithm>
#include <vector>

#include "SampleMaterials.h"
#include "SampleSet.h"
#include "SampleTextures.h"
#include "lights/SunLight.h"
#include "materials/SceneMaterials.h"
#include "options/AllOptions.h"

using namespace KilnCore;

namespace samples {
namespace {

// Render options with a sky behind the scene, an environment bitmap in the
// reflections, an output file and a physical camera.
AllOptions renderOptions(int width, int height) {
    AllOptions options;
    options.imageWidth = width;
    options.imageHeight = height;
    options.imageAspect = static_cast<float>(width) / static_cast<float>(height);
    options.background.use = 1;
    options.background.texture = skyTexture();
    options.reflection.use = 1;
    options.reflection.texture = environmentBitmap("C:\\HDRI\\courtyard.hdr");
    options.reflection.textureMult = 0.75f;
    options.globalIllumination.use = 1;
    options.globalIllumination.color = {0.8f, 0.85f, 1.0f};
    options.outputImagePath = "C:\\Renders\\lobby.png";
    options.saveRender = 1;
    options.renderChannels = {100, 105, 123};
    options.physicalCameraOn = 1;
    options.physicalCamera.f_number = 5.6f;
    options.physicalCamera.ISO = 400.0f;
    options.physicalCamera.use_dof = 1;
    return options;
}

// A sun low in the west, as the default sun of the evening scenes.
SunLight eveningSun() {
    SunLight sun{std::string(kDefaultSunGuid), std::string(kDefaultSunName)};
    Transform placement;
    placement.offset = {-8000, 1500, 1200};
    sun.transform.setValue(placement, 0.0);
    sun.turbidity = 6.0f;
    sun.intensity_multiplier = 0.6f;
    sun.size_multiplier = 3.0f;
    return sun;
}

// The library of a scene: the named material samples, or all of them; the
// first ones renamed when names are given.
void fillLibrary(const std::vector<std::string>& wanted, const std::vector<std::string>& names) {
    SceneMaterials& library = libraryInUse();
    library.reset();
    size_t renamed = 0;
    for (const MaterialSample& sample : materialSamples())
        if (wanted.empty() || std::find(wanted.begin(), wanted.end(), sample.file) != wanted.end()) {
            if (renamed < names.size()) sample.material->name = names[renamed++];
            library.addMaterial(sample.material);
        }
}

// A version-1 library: materials without the identifier index.
bool writeLibraryV1(QuickArchive& ar, const std::vector<std::string>& wanted) {
    std::vector<MaterialRef> materials;
    for (const MaterialSample& sample : materialSamples())
        if (std::find(wanted.begin(), wanted.end(), sample.file) != wanted.end()) materials.push_back(sample.material);
    ar.writeUInt32(versionWord(1));
    ar.writeUInt32(static_cast<uint32_t>(materials.size()));
    for (const MaterialRef& material : materials)
        if (!writeChild(ar, material)) return false;
    return true;
}

struct Scene {
    const char* file;
    uint16_t kind;
    std::vector<std::string> materials;  // library content by sample file; empty: every sample
    bool oldLibrary = false;             // a version-1 library record
    std::vector<std::string> names = {}; // new names for the library's materials, in order
};

bool writeLibrary(QuickArchive& ar, const Scene& scene) {
    if (scene.oldLibrary) return writeLibraryV1(ar, scene.materials);
    fillLibrary(scene.materials, scene.names);
    return libraryInUse().serialize(ar);
}

bool writeScene(QuickArchive& ar, const Scene& scene) {
    ar.writeUInt32(versionWord(scene.kind));
    AllOptions options = renderOptions(1600, 900);
    if (!options.serialize(ar)) return false;
    if (scene.kind == 1) return true;
    if (!writeLibrary(ar, scene)) return false;
    if (scene.kind != 3 && scene.kind != 4) return true;
    if (!defaultSun()->serialize(ar)) return false;
    return scene.kind != 4 || skyTexture()->serialize(ar);
}

}  // namespace

void addSceneSamples(SampleSet& set) {
    const std::vector<Scene> scenes = {
        {"kind1-options", 1, {}},
        {"kind2-library", 2, {"layered", "bump", "two-sided", "toon"}},
        {"kind3-sun", 3, {"layered", "override-environment"}},
        {"kind4-sky", 4, {"layered", "angle-blend", "displaced"}},
        {"kind5-old-library", 5, {"layered", "skp-two-sided", "alpha-contribution"}, true},
        {"kind6-current", 6, {}},
    };
    // Material names that file systems treat differently: Windows device
    // names (also with an extension), a trailing dot, and letters beyond
    // ASCII that differ only in case.
    const Scene oddNames{"kind2-odd-names", 2, {"single-brdf", "bump", "two-sided", "displaced", "toon"}, false,
                         {"CON", "aux.old", "Glass.", "Äpfel", "äPFEL"}};
    // The evening sun is the default sun while the scenes are written: the
    // sun and sky records carry it, and so do the skies in the options.
    std::shared_ptr<SunLight> sun = defaultSun();
    const SunLight saved = *sun;
    *sun = eveningSun();
    for (const Scene& scene : scenes)
        set.add(std::string("scenes/") + scene.file + ".rec", [&](QuickArchive& ar) { return writeScene(ar, scene); });
    set.add(std::string("names/") + oddNames.file + ".rec", [&](QuickArchive& ar) { return writeScene(ar, oddNames); });
    *sun = saved;
    libraryInUse().reset();
}

}  // namespace samples
