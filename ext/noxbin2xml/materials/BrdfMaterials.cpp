#include "materials/BrdfMaterials.h"

namespace KilnCore {

const Description<MaterialSingleBRDF>& MaterialSingleBRDF::description() {
    using M = MaterialSingleBRDF;
    static const Description<M> d{
        "MaterialSingleBRDF",
        {sharedSlot(&M::brdf), value(&M::extraInt1, 0), value(&M::extraInt2, 0)},
        1,
        {{&M::extraInt1, &M::extraInt2, kUniqueName, always(&M::brdf)},
         {&M::extraInt1, &M::extraInt2, always(&M::brdf), kBase}}};
    return d;
}

void MaterialSingleBRDF::reset() {
    BrdfRef kept = brdf;
    DescribedMaterial::reset();
    brdf = std::move(kept);
}

const Description<MaterialLayeredBRDF>& MaterialLayeredBRDF::description() {
    using M = MaterialLayeredBRDF;
    static const StepLayout<M> v3 = {&M::brdfs, &M::double_sided, &M::extraInt1, &M::extraInt2, &M::extraInt3,
                                       kBase};
    static const Description<M> d{
        "MaterialLayeredBRDF",
        {slot(&M::brdfs), value(&M::double_sided, 1), value(&M::extraInt1, 0), value(&M::extraInt2, 1),
         value(&M::extraInt3, 1), value(&M::extraInt4, 0)},
        1,
        {{&M::brdfs, &M::double_sided, &M::extraInt1, kUniqueName},
         {&M::brdfs, &M::double_sided, &M::extraInt1, kBase},
         v3,
         v3 + &M::extraInt4},
        ReadReset::Full,
        {{"double_sided", &M::double_sided}, {"brdfs", &M::brdfs}},
        "defkilnmat"};
    return d;
}

}  // namespace KilnCore
