// New random identifiers for materials, suns and skies.
#pragma once

#include <string>

namespace KilnCore {

// A random (version 4) UUID in its 36-character text form, lower-case hex
// with hyphens and no braces, e.g. "1b4e28ba-2fa1-41d2-883f-0016d3cca427".
std::string newUuid();

}  // namespace KilnCore
