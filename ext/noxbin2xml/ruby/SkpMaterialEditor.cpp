#include "ruby/SkpMaterialEditor.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ruby/ByteArrays.h"
#include "ruby/HostAccess.h"
#include "ruby/RubyText.h"
#include "ruby/ValueClasses.h"
#include "scene/MaterialLooks.h"
#include "scene/SkpModule.h"
#include "serial/QuickArchive.h"
#include "serial/Text.h"

using namespace KilnCore;

namespace KilnRuby {
namespace {

constexpr const char* kDefaultMaterialName = "Default_Kiln_Material";
constexpr const char* kConversionFailed =
    "[SkpMaterialEditor::SetBasicKilnMaterial] - failed to convert sketchup material to our representation\n";

ID pluginMethod(const char* name) { return rb_intern(name); }

// KilnForSketchUp.<method>(argument)
void callPlugin(RubyValueGuard& out, const char* method, VALUE argument) {
    protectedCall(out, hostClass(HostClass::PluginModule), pluginMethod(method), argument);
}

// Sketchup.active_model.materials
void modelMaterials(RubyValueGuard& out) {
    RubyValueGuard model;
    protectedCall(model, hostClass(HostClass::SketchupModule), ids().activeModel);
    protectedCall(out, model.get(), ids().materials);
}

// materials.length, or -1 when it cannot be read. Indices stay Fixnums.
long materialCount(VALUE materials) {
    RubyValueGuard length;
    protectedCall(length, materials, ids().length);
    long count;
    if (!length.truthy() || !numberToLong(length.get(), count) || count < 0) return -1;
    return std::min<long>(count, FIXNUM_MAX / 4);
}

int colorByte(float unit) { return static_cast<int>(std::lround(std::clamp(unit, 0.0f, 1.0f) * 255.0f)); }

SkpModule& scene() { return SkpModule::instance(); }

// Sketchup::Color.new(r, g, b) from a colour in 0..1; nil without the class.
void hostColor(const Color& color, RubyValueGuard& out) {
    static const ID kNew = rb_intern("new");
    protectedCall(out, hostClass(HostClass::Color), kNew, INT2FIX(colorByte(color.r)), INT2FIX(colorByte(color.g)),
                  INT2FIX(colorByte(color.b)));
}

}  // namespace

SkpMaterialEditor& SkpMaterialEditor::instance() {
    static SkpMaterialEditor* editor = new SkpMaterialEditor();  // never destroyed
    return *editor;
}

bool SkpMaterialEditor::evaluateMaterial(VALUE skpMaterial, const MaterialRef& material) {
    if (!RTEST(skpMaterial)) return false;
    BasicLook look;
    if (basicLookOf(material, look)) {
        RubyValueGuard color, alpha, texture, ignored;
        hostColor(look.color, color);
        if (color.truthy()) protectedCall(ignored, skpMaterial, ids().colorSet, color.get());
        alpha.set(floatToRuby(look.alpha));
        if (alpha.truthy()) protectedCall(ignored, skpMaterial, ids().alphaSet, alpha.get());
        if (!look.textureFile.empty()) texture.set(wideToRuby(look.textureFile));
        if (texture.truthy()) protectedCall(ignored, skpMaterial, ids().textureSet, texture.get());
    }
    RubyValueGuard answer;
    callPlugin(answer, "evaluate_material", skpMaterial);
    return answer.truthy();
}

void SkpMaterialEditor::SetBasicKilnMaterial(const BrdfRef& brdf, VALUE skpMaterial) {
    if (!takesBasicLook(brdf) || !isKindOf(skpMaterial, HostClass::Material)) return;
    RubyValueGuard description;
    callPlugin(description, "convert_material", skpMaterial);
    const MaterialValue* value = valueData<MaterialValue>(description.get());
    if (!value) {
        warnProtected(kConversionFailed);
        return;
    }
    const MaterialValue look = *value;
    giveBasicLook(brdf, look.color, look.useAlpha, look.alpha, look.texture);
}

bool SkpMaterialEditor::setMaterialFromSkp(VALUE skpMaterial, const MaterialRef& material) {
    if (!isKindOf(skpMaterial, HostClass::Material)) return false;
    RubyValueGuard displayName;
    protectedCall(displayName, skpMaterial, ids().displayName);
    std::string name;
    if (!rubyToWide(displayName.get(), name)) return false;
    bool matched = false;
    for (const LinkedPart& part : linkedParts(material)) {
        if (!equalsNoCase(part.name, name)) continue;
        matched = true;
        for (const BrdfRef& diffuse : part.diffuseLayers) SetBasicKilnMaterial(diffuse, skpMaterial);
    }
    return matched;
}

bool SkpMaterialEditor::storeKilnMaterial(VALUE skpMaterial, const std::string& name) {
    if (!RTEST(skpMaterial)) return false;
    QuickArchive archive(1);
    int32_t type = 0;
    if (!materialRecord(scene().material(name), archive, type)) return false;
    const RubyValueGuard bytes(archiveToByteArray(archive));
    const RubyValueGuard nameValue(wideToRuby(name));
    if (!bytes.truthy() || !nameValue.truthy()) return false;
    const VALUE dictionary = keyString(Key::Guid);
    setAttribute(skpMaterial, dictionary, true, keyString(Key::MaterialName), nameValue.get());
    setAttribute(skpMaterial, dictionary, true, keyString(Key::MaterialType), INT2FIX(type));
    setAttribute(skpMaterial, dictionary, true, keyString(Key::Material), bytes.get());
    return true;
}

bool SkpMaterialEditor::isSkpMaterialNameFree(const std::string& name) {
    const RubyValueGuard wanted(wideToRuby(name));
    if (!wanted.truthy()) return false;
    RubyValueGuard materials;
    modelMaterials(materials);
    const long count = materialCount(materials.get());
    if (count < 0) return false;
    for (long i = 0; i < count; ++i) {
        RubyValueGuard material, text, comparison;
        protectedCall(material, materials.get(), ids().elementGet, LONG2FIX(i));
        if (!material.truthy()) continue;
        for (ID nameMethod : {ids().name, ids().displayName}) {
            protectedCall(text, material.get(), nameMethod);
            protectedCall(comparison, text.get(), ids().casecmp, wanted.get());
            if (comparison.get() == INT2FIX(0)) return false;
        }
    }
    return true;
}

void SkpMaterialEditor::addSkpMaterial(const std::string& name, RubyValueGuard& out) {
    out.release();
    const RubyValueGuard nameValue(wideToRuby(name));
    if (!nameValue.truthy()) return;
    RubyValueGuard materials;
    modelMaterials(materials);
    protectedCall(out, materials.get(), ids().add, nameValue.get());
}

std::string SkpMaterialEditor::freeMaterialName(const std::string& wanted) {
    const std::string base(withoutCounter(wanted));
    // Each library name, and each name or display name in the model, rules
    // out at most one candidate: past that many a sane host has a free one.
    const std::vector<std::string> names = scene().materialNames();
    RubyValueGuard materials;
    modelMaterials(materials);
    const long modelCount = materialCount(materials.get());
    if (modelCount < 0) return {};
    const long attempts = static_cast<long>(names.size()) + 2 * modelCount + 2;
    for (long counter = 0; counter < attempts; ++counter) {
        const std::string candidate = counter == 0 ? base : base + std::to_string(counter);
        if (!candidate.empty() && scene().isMaterialNameFree(candidate) && isSkpMaterialNameFree(candidate))
            return candidate;
    }
    return {};
}

void SkpMaterialEditor::convertSelfContained(const std::string& name, const MaterialRef& material,
                                             SkpMaterialMap& map) {
    std::string skpName = name;
    if (!isSkpMaterialNameFree(name)) {
        skpName = freeMaterialName(name);
        if (skpName.empty()) return;
        if (!scene().renameMaterial(name, skpName)) return;
    }
    RubyValueGuard skpMaterial;
    addSkpMaterial(skpName, skpMaterial);
    if (!skpMaterial.truthy() || !storeKilnMaterial(skpMaterial.get(), skpName)) return;
    evaluateMaterial(skpMaterial.get(), material);
    map[name] = skpMaterial;  // entities still name the material as it was called
}

void SkpMaterialEditor::convertLinking(const std::string& name, const MaterialRef& material, SkpMaterialMap& map) {
    // The linked parts first take the look of the SketchUp materials they
    // name, so the stored record carries it.
    for (const LinkedPart& part : linkedParts(material)) {
        RubyValueGuard linkedName(wideToRuby(part.name)), skpMaterial;
        if (linkedName.truthy()) callPlugin(skpMaterial, "find_skp_material", linkedName.get());
        if (skpMaterial.truthy())
            for (const BrdfRef& diffuse : part.diffuseLayers) SetBasicKilnMaterial(diffuse, skpMaterial.get());
    }
    RubyValueGuard nameValue(wideToRuby(name)), skpMaterial;
    if (nameValue.truthy()) callPlugin(skpMaterial, "find_skp_material", nameValue.get());
    if (!skpMaterial.truthy()) return;
    // Before storing, so the record carries what it changes.
    setMaterialFromSkp(skpMaterial.get(), material);
    if (storeKilnMaterial(skpMaterial.get(), name)) map[name] = skpMaterial;
}

void SkpMaterialEditor::convertSceneMaterials(SkpMaterialMap& map) {
    // Renaming below does not disturb this list.
    for (const std::string& name : scene().materialNames()) {
        const MaterialRef material = scene().material(name);
        if (!material || equalsNoCase(name, kDefaultMaterialName)) continue;
        if (!linksToHost(material))
            convertSelfContained(name, material, map);
        else
            convertLinking(name, material, map);
    }
}

}  // namespace KilnRuby
