#include "BenchRecords.h"

#include "lights/SpotLight.h"
#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/SceneMaterials.h"
#include "serial/Uuid.h"
#include "textures/TextureMakers.h"

using namespace KilnCore;

namespace bench {

std::vector<uint8_t> hostForm(const QuickArchive& archive) {
    QuickArchive reader = archive;
    reader.setReadPos(0);
    std::vector<uint8_t> bytes(static_cast<size_t>(reader.capacity()));
    reader.readBytes(bytes.data(), bytes.size());
    return bytes;
}

std::shared_ptr<BaseMaterial> representativeMaterial(const std::string& name) {
    auto diffuse = std::make_shared<Diffuse_BRDF>();
    diffuse->color = {0.8f, 0.35f, 0.2f};
    diffuse->color_tex = makeBitmapTexture("C:\\Textures\\Masonry\\brick_red_01.jpg");
    diffuse->color_tex_mult = 0.75f;
    auto gloss = std::make_shared<Blinn_BRDF>();
    gloss->color = {0.25f, 0.25f, 0.25f};
    gloss->reflectionGlossiness = 0.65f;
    gloss->hilightGlossiness = 0.7f;

    auto layered = std::make_shared<MaterialLayeredBRDF>();
    layered->name = name + " layers";
    layered->brdfs = {diffuse, gloss};

    auto bump = std::make_shared<MaterialBump>();
    bump->name = name;
    bump->uuid = newUuid();
    bump->base_mtl = layered;
    bump->bump_tex = makeBitmapTexture("C:\\Textures\\Masonry\\brick_red_01_bump.png");
    bump->bump_tex_mult = 0.3f;
    return bump;
}

std::shared_ptr<SpotLight> representativeLight() {
    auto light = std::make_shared<SpotLight>();
    light->transform.matrix.e[0] = {0.707107f, 0.707107f, 0};
    light->transform.matrix.e[1] = {-0.707107f, 0.707107f, 0};
    light->transform.matrix.e[2] = {0, 0, 1};
    light->transform.offset = {120.5f, -48.25f, 300};
    light->color = {1, 0.95f, 0.8f};
    light->shadowColor = {0.1f, 0.1f, 0.12f};
    light->intensity = 1500;
    light->coneAngle = 0.785398f;
    light->penumbraAngle = 0.1f;
    light->barnDoor = true;
    light->barnDoorLeft = 15;
    light->decay = 2;
    light->shadowRadius = 2.5f;
    light->shadowSubdivs = 16;
    return light;
}

std::vector<uint8_t> materialRecord() {
    QuickArchive archive;
    representativeMaterial("Brick Wall")->serialize(archive);
    return hostForm(archive);
}

std::vector<uint8_t> lightRecord() {
    QuickArchive archive;
    representativeLight()->serialize(archive);
    return hostForm(archive);
}

QuickArchive libraryRecord(size_t count) {
    SceneMaterials& library = libraryInUse();
    library.reset();
    for (size_t i = 0; i < count; ++i)
        library.addMaterial(representativeMaterial(i == 0 ? "DefaultMaterial" : "DefaultMaterial" + std::to_string(i)));
    QuickArchive archive;
    library.serialize(archive);
    library.reset();
    return archive;
}

}  // namespace bench
