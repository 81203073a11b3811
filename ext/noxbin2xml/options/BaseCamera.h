// The camera family base.
#pragma once

#include <cstdint>
#include <memory>

#include "serial/Serializable.h"

namespace KilnCore {

class BaseCamera : public TessarSerializable, public TessarXMLSerializable {
public:
    virtual int32_t typeId() const = 0;
    virtual std::shared_ptr<BaseCamera> clone() const = 0;
    virtual void reset() = 0;
    std::string_view category() const override { return "settings"; }
};

}  // namespace KilnCore
