#include "TypeChoice.h"

namespace noxbin2xml {
namespace {

bool parse(const std::string& text, int32_t& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) return false;
    value = std::stoi(text);
    return true;
}

// The file name without its extension, as a path's stem ("bump-3.rec" gives
// "bump-3"; ".rec" stays as it is).
std::string stemOf(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot == 0 || fileName == "..") return fileName;
    return fileName.substr(0, dot);
}

}  // namespace

std::string TypeChoice::check() const {
    if (text_ == "auto") return {};
    int32_t type = 0;
    if (!parse(text_, type)) return "TYPE must be a number or \"auto\", not '" + text_ + "'";
    return unknownType(kind_, type);
}

bool TypeChoice::typeFor(const std::string& fileName, int32_t& type, std::string& error) const {
    if (text_ != "auto") return parse(text_, type);
    const std::string stem = stemOf(fileName);
    const size_t dash = stem.rfind('-');
    if (dash == std::string::npos || !parse(stem.substr(dash + 1), type)) {
        error = "the file name does not end in -TYPE (as in bump-3.rec), so \"auto\" finds no type";
        return false;
    }
    error = unknownType(kind_, type);
    if (error.empty()) return true;
    error += " in the file name";
    return false;
}

}  // namespace noxbin2xml
