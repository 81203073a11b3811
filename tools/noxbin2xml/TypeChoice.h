// TYPE as the tool and the web page take it: a type number, or "auto" for
// the number that ends the file name ("bump-3.rec" is type 3).
#pragma once

#include <cstdint>
#include <string>

#include "Conversions.h"

namespace noxbin2xml {

class TypeChoice {
public:
    TypeChoice(RecordKind kind, std::string text) : kind_(kind), text_(std::move(text)) {}

    // A usage error for a TYPE that is neither a known type nor "auto".
    std::string check() const;
    bool isAuto() const { return text_ == "auto"; }
    // The type for the record in the file `fileName` (its last path part);
    // false with the reason when "auto" finds none there.
    bool typeFor(const std::string& fileName, int32_t& type, std::string& error) const;

private:
    RecordKind kind_;
    std::string text_;
};

}  // namespace noxbin2xml
