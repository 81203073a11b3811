#include <gtest/gtest.h>

#include "options/SkpModule.h"
#include "serial/QuickArchive.h"
#include "serial/ReadTrace.h"

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

TEST_F(SceneRecord, KindsWithMaterialsReadTheOptionsThenStop) {
    for (uint32_t kind = 2; kind <= 6; ++kind) {
        SkpModule module;
        QuickArchive ar = scene(kind << 16);
        ReadTrace trace;
        ar.setTrace(&trace);
        EXPECT_FALSE(module.deserialize(ar)) << kind;
        EXPECT_EQ(module.options().imageWidth, 1024);
        EXPECT_NE(trace.failureText().find("material library is not read yet"), std::string::npos);
    }
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
