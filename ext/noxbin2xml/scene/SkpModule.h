// The process-wide scene state: what old_deserialize reads a scene record
// into and serialize_to_xml writes. It does not depend on Ruby; the Ruby
// layer installs the hook that runs the scene upgrade after an old scene.
#pragma once

#include <string>

#include "options/AllOptions.h"
#include "serial/Serializable.h"

class SkpModule : public KilnCore::TessarSerializable {
public:
    using UpgradeHook = void (*)();

    // Created on first use, never destroyed.
    static SkpModule& instance();

    // The process uses instance(); tests and tools may hold their own.
    SkpModule() = default;

    // The scene state is never written back in binary form.
    bool serialize(KilnCore::QuickArchive&) override { return false; }
    // Reads a scene record: the kind word, then the objects of that kind.
    // The options are back at their defaults as soon as the word is read.
    bool deserialize(KilnCore::QuickArchive& archive) override;

    // The options document: an "Assets" element holding the settings groups.
    std::string optionsXml();

    KilnCore::AllOptions& options() { return options_; }

    // Called after a successful read of scene kinds 1 to 5.
    static void setUpgradeHook(UpgradeHook hook);
    static UpgradeHook upgradeHook();

private:
    KilnCore::AllOptions options_;
};
