// Materials the samples are built from: one of every material type, each
// with its name and identifier set, so that regenerating them is repeatable.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "materials/BaseMaterial.h"

namespace samples {

using MaterialRef = std::shared_ptr<KilnCore::BaseMaterial>;

struct MaterialSample {
    std::string file;  // under samples/materials/, without the type and extension
    MaterialRef material;
};

// One sample of every material type 0..14, in type order. The reference
// (type 13) refers to the first layered material, which is in the library
// while the samples are written.
std::vector<MaterialSample> materialSamples();

// An identifier that reads as the sample's: 36 characters, the number last.
std::string sampleUuid(int number);

}  // namespace samples
