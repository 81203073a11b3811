// Material trees are walked recursively (writing, copying, comparing,
// searching). Records only ever build trees, but references resolved through
// the library can lead back into a tree; a walk therefore keeps the chain of
// materials it is inside and stops at a fixed depth.
#pragma once

#include <vector>

#include "serial/QuickArchive.h"

namespace KilnCore {

class MaterialWalk {
public:
    static constexpr size_t kMaxDepth = QuickArchive::kMaxDepth;

    explicit MaterialWalk(const void* material) { chain().push_back(material); }
    ~MaterialWalk() { chain().pop_back(); }
    MaterialWalk(const MaterialWalk&) = delete;
    MaterialWalk& operator=(const MaterialWalk&) = delete;

    bool tooDeep() const { return chain().size() > kMaxDepth; }
    // Whether a walk is inside the material now.
    static bool inside(const void* material) {
        for (const void* m : chain())
            if (m == material) return true;
        return false;
    }

private:
    static std::vector<const void*>& chain() {
        thread_local std::vector<const void*> materials;
        return materials;
    }
};

}  // namespace KilnCore
