// The material document: what converting one material produces. Chains of
// wrappers (bump, displacement, environment override, object exclusion,
// alpha contribution) around a layered material become one "MtlTESSAR" asset
// with the wrappers' parameters; angle blend, two-sided, SketchUp two-sided
// and toon materials get layout assets whose parts are flattened the same way.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "materials/BaseMaterial.h"

class AssetXmlWriter;

namespace KilnCore {

// An "Assets" element holding the material's assets; empty when the
// material's chain holds no layered material.
void writeMaterialDocument(AssetXmlWriter& writer, const std::shared_ptr<BaseMaterial>& material);

// One "MtlTESSAR" asset named after the outermost material of the chain, or
// nothing when the chain holds no layered material.
void writeFlattened(AssetXmlWriter& writer, std::shared_ptr<BaseMaterial> material);

// The material a reference stands for; any other material itself.
std::shared_ptr<BaseMaterial> resolveReference(const std::shared_ptr<BaseMaterial>& material);

// The materials of the given type found first on each path down from the
// material (a match is not searched below). References are followed through
// the library, or to the material they carry when the library has none.
std::vector<std::shared_ptr<BaseMaterial>> findMaterialsOfType(const std::shared_ptr<BaseMaterial>& material,
                                                               int32_t typeId);

}  // namespace KilnCore
