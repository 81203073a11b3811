#include "options/SkpModule.h"

#include "serial/AssetXmlWriter.h"
#include "serial/RecordScope.h"

using namespace KilnCore;

namespace {
SkpModule::UpgradeHook upgradeHook = nullptr;
}

SkpModule& SkpModule::instance() {
    static SkpModule* module = new SkpModule();  // never destroyed
    return *module;
}

void SkpModule::setUpgradeHook(UpgradeHook hook) { upgradeHook = hook; }

// The scene kinds are read once the options and the material library exist.
bool SkpModule::deserialize(QuickArchive& archive) {
    RecordScope rec(archive, "SkpModule");
    const uint32_t word = rec.readVersionWord();
    return rec.accept(word, 1, 6) && rec.fail("scene records are not read yet");
}

std::string SkpModule::optionsXml() {
    std::string text;
    AssetXmlWriter writer(text);
    writer.beginElement("Assets");
    writer.endElement("Assets");
    return text;
}
