// Which scene kinds read what, and which ones run the upgrade, are checked
// through the module by the Ruby tests (module_functions, scene_upgrade) and
// on every bundled scene by the sample outputs; here what they cannot see.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "lights/SunLight.h"
#include "materials/SceneMaterials.h"
#include "options/AllOptions.h"
#include "scene/SkpModule.h"
#include "serial/ReadTrace.h"

using namespace KilnCore;

namespace {

int upgrades = 0;
void countUpgrade() { ++upgrades; }

// A scene record of `kind` whose options have an image width of 1024.
QuickArchive scene(uint32_t kindWord) {
    QuickArchive ar;
    ar.writeUInt32(kindWord);
    AllOptions options;
    options.imageWidth = 1024;
    options.serialize(ar);
    return ar;
}

}  // namespace

// A scene may change every setting of the default sun but its identity.
TEST(SceneRecord, TheDefaultSunKeepsItsIdentity) {
    QuickArchive ar = scene(0x00030000);
    SceneMaterials().serialize(ar);
    SunLight sun;
    sun.turbidity = 7;
    sun.sunName = "Renamed";
    sun.serialize(ar);
    SkpModule module;
    ASSERT_TRUE(module.deserialize(ar));
    EXPECT_EQ(module.defaultSun()->turbidity, 7.0f);
    EXPECT_EQ(module.defaultSun()->sunName, kDefaultSunName);
    EXPECT_EQ(module.defaultSun()->sunGuid, kDefaultSunGuid);
    EXPECT_EQ(defaultSun()->turbidity, 3.0f);  // outside the module's calls its sun is not in use
}

TEST(SceneRecord, AFailingLibraryEndsTheReadWithoutUpgradeKeepingTheOptions) {
    SkpModule::setUpgradeHook(countUpgrade);
    SkpModule module;
    QuickArchive ar = scene(0x00020000);
    ar.writeUInt32(0x00030000);  // a library version that never existed
    const SkpModule::Result read = module.readScene(ar);  // read again with a trace for the failure
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(module.options().imageWidth, 1024);
    EXPECT_EQ(read.failure,
              "SkpModule @0x671: material library failed\nSceneMaterials @0x671: version 3 not accepted (reads 1..2)\n");
    EXPECT_EQ(upgrades, 0);
    SkpModule::setUpgradeHook(nullptr);
}

// A converter keeps its scene to itself, and reset gives it back as loaded.
TEST(SceneRecord, AConverterKeepsItsSceneToItselfUntilReset) {
    std::ifstream file(std::string(NOXBIN2XML_SAMPLES_DIR) + "/scenes/kind3-sun.rec", std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    QuickArchive ar(bytes.data(), bytes.size());
    SkpModule module;
    SkpModule fresh;
    ASSERT_TRUE(module.readScene(ar).ok);
    ASSERT_FALSE(module.materialNames().empty());
    EXPECT_TRUE(libraryInUse().isNameFree(module.materialNames().front()));
    EXPECT_FALSE(module.defaultSun()->isEqual(fresh.defaultSun()));
    EXPECT_NE(module.optionsXml().document, fresh.optionsXml().document);

    module.reset();
    EXPECT_TRUE(module.materialNames().empty());
    EXPECT_TRUE(module.defaultSun()->isEqual(fresh.defaultSun()));
    EXPECT_EQ(module.optionsXml().document, fresh.optionsXml().document);
}
