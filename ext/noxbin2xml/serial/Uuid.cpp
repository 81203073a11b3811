#include "serial/Uuid.h"

#include <uuid/uuid.h>

namespace KilnCore {

std::string newUuid() {
    uuid_t id;
    uuid_generate_random(id);
    char text[37];
    uuid_unparse_lower(id, text);
    return std::string(text, 36);
}

}  // namespace KilnCore
