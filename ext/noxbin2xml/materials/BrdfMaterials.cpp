#include "materials/BrdfMaterials.h"

namespace KilnCore {

const MaterialLayout<MaterialSingleBRDF>& MaterialSingleBRDF::layout() {
    using M = MaterialSingleBRDF;
    using F = MaterialFields<M>;
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, extraInt1);
        KILN_FIELD(M, extraInt2);
        const Field<M> brdf{"brdf", &M::brdf, Form::Shared};
        return keepingValues<M>({{{"MaterialSingleBRDF",
                                   1,
                                   {{extraInt1, extraInt2, F::uniqueName(), brdf},
                                    {extraInt1, extraInt2, brdf, F::base()}}},
                                  {}}});
    }();
    return layout;
}

void MaterialSingleBRDF::reset() {
    BrdfRef kept = brdf;
    RecordMaterial::reset();
    brdf = std::move(kept);
}

const MaterialLayout<MaterialLayeredBRDF>& MaterialLayeredBRDF::layout() {
    using M = MaterialLayeredBRDF;
    using F = MaterialFields<M>;
    using Fields = FieldList<M>;
    // A read gives the material a free default name and no identifier
    // before its record names it.
    static const MaterialLayout<M> layout = [] {
        KILN_FIELD(M, brdfs);
        KILN_FIELD(M, double_sided);
        KILN_FIELD(M, extraInt1);
        KILN_FIELD(M, extraInt2);
        KILN_FIELD(M, extraInt3);
        KILN_FIELD(M, extraInt4);
        const Fields v3 = {brdfs, double_sided, extraInt1, extraInt2, extraInt3, F::base()};
        MaterialLayout<M> layout{{{"MaterialLayeredBRDF",
                                   1,
                                   {{brdfs, double_sided, extraInt1, F::uniqueName()},
                                    {brdfs, double_sided, extraInt1, F::base()},
                                    v3,
                                    v3 + extraInt4}},
                                  {double_sided, brdfs}},
                                 {},
                                 "defkilnmat"};
        layout.record.reset = Reset::DefaultsAndBase;
        return layout;
    }();
    return layout;
}

}  // namespace KilnCore
