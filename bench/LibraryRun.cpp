#include "LibraryRun.h"

#include <string>
#include <vector>

#include "materials/BaseMaterial.h"
#include "materials/MaterialConversion.h"
#include "materials/SceneMaterials.h"

using namespace KilnCore;

namespace bench {

size_t readLibraryAndWriteDocuments(const QuickArchive& record) {
    QuickArchive archive = record;  // shares the blocks, keeps its own read position
    archive.setReadPos(0);
    SceneMaterials& library = libraryInUse();
    if (!library.deserialize(archive)) return 0;
    std::vector<std::string> names;
    library.listNames(names);
    size_t total = 0;
    for (const std::string& name : names) total += materialDocument(library.getMaterial(name)).size();
    return total;
}

}  // namespace bench
