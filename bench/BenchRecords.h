// Representative records for the benchmark programs, built with the
// project's own writers: one material, one light and whole libraries.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "serial/QuickArchive.h"

namespace KilnCore {
class BaseMaterial;
class SpotLight;
}  // namespace KilnCore

namespace bench {

// A record as the host keeps it: the archive's whole block image.
std::vector<uint8_t> hostForm(const KilnCore::QuickArchive& archive);

// A textured two-layer material (diffuse with a bitmap, glossy reflection)
// inside a bump wrapper: the common shape of a scene material.
std::shared_ptr<KilnCore::BaseMaterial> representativeMaterial(const std::string& name);
constexpr int32_t kRepresentativeMaterialType = 3;  // the bump wrapper

// A turned and moved spot light with shadows and barn doors.
std::shared_ptr<KilnCore::SpotLight> representativeLight();
constexpr int32_t kRepresentativeLightType = 4;

// The record of one object, in host form.
std::vector<uint8_t> materialRecord();
std::vector<uint8_t> lightRecord();

// A material library record, as the library writes it, of `count`
// representative materials named as the old plug-in named new materials:
// DefaultMaterial, DefaultMaterial1, DefaultMaterial2, ... each with its own
// identifier. Leaves the scene's library empty.
KilnCore::QuickArchive libraryRecord(size_t count);

}  // namespace bench
