#include <gtest/gtest.h>

#include "lights/SunLight.h"
#include "materials/BrdfMaterials.h"
#include "materials/SceneMaterials.h"
#include "scene/SkpModule.h"
#include "serial/QuickArchive.h"
#include "serial/ReadTrace.h"
#include "textures/SkyTexture.h"

using namespace KilnCore;

namespace {

int upgrades = 0;
void countUpgrade() { ++upgrades; }

class SceneRecord : public ::testing::Test {
protected:
    void SetUp() override {
        upgrades = 0;
        SkpModule::setUpgradeHook(countUpgrade);
    }
    void TearDown() override { SkpModule::setUpgradeHook(nullptr); }

    // A scene record of `kind` whose options have an image width of 1024.
    static QuickArchive scene(uint32_t kindWord) {
        QuickArchive ar;
        ar.writeUInt32(kindWord);
        AllOptions options;
        options.imageWidth = 1024;
        options.serialize(ar);
        return ar;
    }
};

}  // namespace

TEST_F(SceneRecord, OptionsOnlySceneReadsAndUpgrades) {
    SkpModule module;
    QuickArchive ar = scene(0x00010000);
    EXPECT_TRUE(module.deserialize(ar));
    EXPECT_EQ(module.options().imageWidth, 1024);
    EXPECT_EQ(upgrades, 1);
    EXPECT_NE(module.optionsXml().find("<value>1024</value>"), std::string::npos);
}

TEST_F(SceneRecord, BadKindWordsResetTheOptionsAndReadNothing) {
    for (uint32_t word : {0x00010001u, 0x00070000u, 0x00000000u}) {
        SkpModule module;
        module.options().imageWidth = 5;
        QuickArchive ar = scene(word);
        EXPECT_FALSE(module.deserialize(ar)) << std::hex << word;
        EXPECT_EQ(module.options().imageWidth, 800);
        EXPECT_EQ(ar.readPos(), 4u);
    }
    EXPECT_EQ(upgrades, 0);
}

TEST_F(SceneRecord, FailedOptionsKeepWhatWasRead) {
    SkpModule module;
    QuickArchive ar;
    ar.writeUInt32(0x00010000);
    ar.writeUInt32(0x000A0001);  // an options version that never existed
    EXPECT_FALSE(module.deserialize(ar));
    EXPECT_EQ(upgrades, 0);
}

TEST_F(SceneRecord, EveryKindReadsItsObjectsAndOnlyKindSixSkipsTheUpgrade) {
    SceneMaterials& library = SceneMaterials::instance();
    for (uint32_t kind = 2; kind <= 6; ++kind) {
        QuickArchive ar = scene(kind << 16);
        library.clear();
        auto brick = std::make_shared<MaterialLayeredBRDF>();
        brick->name = "Brick";
        library.addMaterial(brick);
        ASSERT_TRUE(library.serialize(ar));
        if (kind == 3 || kind == 4) {
            SunLight sun;
            sun.turbidity = 7;
            sun.sunName = "Renamed";
            sun.serialize(ar);
        }
        if (kind == 4) SkyTexture().serialize(ar);
        library.clear();

        SkpModule module;
        upgrades = 0;
        EXPECT_TRUE(module.deserialize(ar)) << kind;
        EXPECT_EQ(module.options().imageWidth, 1024);
        EXPECT_TRUE(library.getMaterial("brick")) << kind;
        EXPECT_EQ(upgrades, kind == 6 ? 0 : 1) << kind;
        if (kind == 3 || kind == 4) {
            EXPECT_EQ(defaultSun()->turbidity, 7.0f);
            EXPECT_EQ(defaultSun()->sunName, kDefaultSunName);
            EXPECT_EQ(defaultSun()->sunGuid, kDefaultSunGuid);
        }
    }
    library.clear();
    defaultSun()->turbidity = 3.0f;
}

TEST_F(SceneRecord, AFailingLibraryEndsTheReadWithoutUpgrade) {
    SkpModule module;
    QuickArchive ar = scene(0x00020000);
    ar.writeUInt32(0x00030000);  // a library version that never existed
    ReadTrace trace;
    ar.setTrace(&trace);
    EXPECT_FALSE(module.deserialize(ar));
    EXPECT_EQ(module.options().imageWidth, 1024);
    EXPECT_NE(trace.failureText().find("SceneMaterials"), std::string::npos);
    EXPECT_EQ(upgrades, 0);
}

TEST_F(SceneRecord, TheProcessWideModuleStartsAtDefaults) {
    SkpModule& module = SkpModule::instance();
    EXPECT_EQ(&module, &SkpModule::instance());
    QuickArchive none;
    none.writeUInt32(0x00070000);
    module.deserialize(none);  // whatever earlier tests left, the options are reset
    EXPECT_EQ(module.optionsXml(), SkpModule().optionsXml());
}
