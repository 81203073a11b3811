// The identifier a linked material carries: a text or a number, by kind.
#pragma once

#include <cstdint>
#include <string>

#include "serial/Serializable.h"

namespace KilnCore {

struct MaterialIdData : TessarSerializable {
    static constexpr int32_t kNumberKind = 2;

    int32_t kind = kNumberKind;  // 0 or 1: textId holds the identifier; 2: numberId
    std::string textId;
    int32_t numberId = 0;

    bool hasText() const { return kind == 0 || kind == 1; }
    // Fails for an unknown kind, after the version and kind words.
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    bool operator==(const MaterialIdData& o) const {
        return kind == o.kind && (hasText() ? textId == o.textId : numberId == o.numberId);
    }
};

}  // namespace KilnCore
