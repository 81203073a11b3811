#pragma once
// Shared by the material tests: a fixture that empties the scene's material
// library around each test, and a plain layered material to build with.
#include <gtest/gtest.h>

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/SceneMaterials.h"

class EmptyLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { KilnCore::libraryInUse().reset(); }
    void TearDown() override { KilnCore::libraryInUse().reset(); }
};

// A layered material; with a BRDF name it holds one diffuse BRDF so named.
inline std::shared_ptr<KilnCore::MaterialLayeredBRDF> layered(const std::string& name,
                                                              const std::string& brdfName = "") {
    auto m = std::make_shared<KilnCore::MaterialLayeredBRDF>();
    m->name = name;
    if (!brdfName.empty()) {
        m->brdfs.push_back(std::make_shared<KilnCore::Diffuse_BRDF>());
        m->brdfs.back()->name = brdfName;
    }
    return m;
}
