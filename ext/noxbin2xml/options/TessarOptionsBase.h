// The common base of the options classes: a binary record, XML assets and
// a reset to defaults. Options objects are embedded, never made by a factory.
#pragma once

#include "serial/Serializable.h"

namespace KilnCore {

class TessarOptionsBase : public TessarSerializable, public TessarXMLSerializable {
public:
    virtual void reset() = 0;
    std::string_view category() const override { return "settings"; }
};

}  // namespace KilnCore
