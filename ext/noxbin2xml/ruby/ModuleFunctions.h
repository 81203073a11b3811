// The four functions of the Noxbin2xml module.
#pragma once

#include <ruby.h>

namespace KilnRuby {

// Defines old_deserialize, serialize_to_xml, convert_material,
// convert_light, last_failure and VERSION on the module and interns the host
// method identifiers.
void installModuleFunctions(VALUE module);

}  // namespace KilnRuby
