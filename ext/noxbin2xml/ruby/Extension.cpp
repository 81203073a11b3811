// Entry point of the Ruby extension Noxbin2xml (.so, or .bundle on macOS).
#include <ruby.h>

#include "scene/SkpModule.h"
#include "ruby/HostAccess.h"
#include "ruby/ModuleFunctions.h"
#include "ruby/SceneUpgrade.h"

// RUBY_FUNC_EXPORTED is Ruby's own spelling of "exported from the library"
// for the compiler Ruby was built with.
extern "C" {
RUBY_FUNC_EXPORTED void Init_Noxbin2xml() {
    const VALUE module = rb_define_module("Noxbin2xml");
    KilnRuby::installModuleFunctions(module);
    // Makes the value classes and the host's classes (for the scene upgrade)
    // available; in plain Ruby the host's part simply stays empty.
    KilnRuby::resolveHostClasses(module);
    // Reading an old scene record (kinds 1 to 5) offers the scene upgrade.
    SkpModule::setUpgradeHook(KilnRuby::runSceneUpgrade);
}
}
