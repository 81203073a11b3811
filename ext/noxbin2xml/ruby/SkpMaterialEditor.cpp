#include "ruby/SkpMaterialEditor.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/MaterialDocument.h"
#include "materials/SceneMaterials.h"
#include "ruby/ByteArrays.h"
#include "ruby/HostAccess.h"
#include "ruby/RubyText.h"
#include "ruby/ValueClasses.h"
#include "serial/QuickArchive.h"
#include "serial/Text.h"
#include "textures/TextureMakers.h"
#include "textures/Textures.h"

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

// The diffuse layers of the BRDF-holding materials under `material`.
std::vector<std::shared_ptr<Diffuse_BRDF>> diffuseLayers(const MaterialRef& material) {
    std::vector<BrdfRef> brdfs;
    for (const MaterialRef& m : findMaterialsOfType(material, MaterialType::Layered))
        for (const BrdfRef& brdf : static_cast<const MaterialLayeredBRDF&>(*m).brdfs) brdfs.push_back(brdf);
    for (const MaterialRef& m : findMaterialsOfType(material, MaterialType::SingleBRDF))
        brdfs.push_back(static_cast<const MaterialSingleBRDF&>(*m).brdf);
    std::vector<std::shared_ptr<Diffuse_BRDF>> diffuse;
    for (const BrdfRef& brdf : brdfs)
        if (auto d = std::dynamic_pointer_cast<Diffuse_BRDF>(brdf)) diffuse.push_back(std::move(d));
    return diffuse;
}

bool isTextureType(const TextureRef& texture, int32_t typeId) { return texture && texture->typeId() == typeId; }

// A texture a conversion from SketchUp makes: a bitmap, or a bitmap blended
// with a plain colour.
bool madeFromSkpTexture(const TextureRef& texture) {
    if (isTextureType(texture, BitmapTexture::kTypeId)) return true;
    const auto* blend = dynamic_cast<const BlendTexture*>(texture.get());
    if (!blend) return false;
    const TextureRef& a = blend->color_a;
    const TextureRef& b = blend->color_b;
    return (isTextureType(a, BitmapTexture::kTypeId) && isTextureType(b, AColorTexture::kTypeId)) ||
           (isTextureType(a, AColorTexture::kTypeId) && isTextureType(b, BitmapTexture::kTypeId));
}

float unitRange(float value) { return std::clamp(value, 0.0f, 1.0f); }

int colorByte(float unit) { return static_cast<int>(std::lround(unitRange(unit) * 255.0f)); }

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
    const std::vector<std::shared_ptr<Diffuse_BRDF>> layers = diffuseLayers(material);
    if (!layers.empty()) {
        const Diffuse_BRDF& diffuse = *layers.front();
        RubyValueGuard color, alpha, texture, ignored;
        hostColor(diffuse.color, color);
        if (color.truthy()) protectedCall(ignored, skpMaterial, ids().colorSet, color.get());
        const Color& t = diffuse.transparency;
        alpha.set(floatToRuby(1.0f - unitRange((t.r + t.g + t.b) / 3.0f)));
        if (alpha.truthy()) protectedCall(ignored, skpMaterial, ids().alphaSet, alpha.get());
        const std::string file = bitmapFileOf(diffuse.color_tex);
        if (!file.empty()) texture.set(wideToRuby(file));
        if (texture.truthy()) protectedCall(ignored, skpMaterial, ids().textureSet, texture.get());
    }
    RubyValueGuard answer;
    callPlugin(answer, "evaluate_material", skpMaterial);
    return answer.truthy();
}

void SkpMaterialEditor::SetBasicKilnMaterial(const BrdfRef& brdf, VALUE skpMaterial) {
    const auto diffuse = std::dynamic_pointer_cast<Diffuse_BRDF>(brdf);
    if (!diffuse || !isKindOf(skpMaterial, HostClass::Material)) return;
    RubyValueGuard description;
    callPlugin(description, "convert_material", skpMaterial);
    const MaterialValue* value = valueData<MaterialValue>(description.get());
    if (!value) {
        warnProtected(kConversionFailed);
        return;
    }
    const MaterialValue look = *value;
    diffuse->color = look.color;
    const float transparency = look.useAlpha ? 1.0f - unitRange(look.alpha) : 0.0f;
    diffuse->transparency = Color{transparency, transparency, transparency};
    if (madeFromSkpTexture(diffuse->color_tex)) diffuse->color_tex.reset();
    if (!diffuse->color_tex) diffuse->color_tex = makeBitmapTexture(look.texture);
}

bool SkpMaterialEditor::setMaterialFromSkp(VALUE skpMaterial, const MaterialRef& material) {
    if (!isKindOf(skpMaterial, HostClass::Material)) return false;
    RubyValueGuard displayName;
    protectedCall(displayName, skpMaterial, ids().displayName);
    std::string name;
    if (!rubyToWide(displayName.get(), name)) return false;
    bool matched = false;
    for (const MaterialRef& m : findMaterialsOfType(material, MaterialType::Linked)) {
        const auto& linked = static_cast<const MaterialLinked&>(*m);
        if (!linked.idData.hasText() || !equalsNoCase(linked.idData.textId, name)) continue;
        matched = true;
        for (const auto& diffuse : diffuseLayers(linked.linked)) SetBasicKilnMaterial(diffuse, skpMaterial);
    }
    return matched;
}

bool SkpMaterialEditor::storeKilnMaterial(VALUE skpMaterial, const std::string& name) {
    if (!RTEST(skpMaterial)) return false;
    const MaterialRef material = libraryInUse().getMaterial(name);
    if (!material) return false;
    QuickArchive archive(1);
    if (!material->serialize(archive)) return false;
    const RubyValueGuard bytes(archiveToByteArray(archive));
    const RubyValueGuard nameValue(wideToRuby(name));
    if (!bytes.truthy() || !nameValue.truthy()) return false;
    const VALUE dictionary = keyString(Key::Guid);
    setAttribute(skpMaterial, dictionary, true, keyString(Key::MaterialName), nameValue.get());
    setAttribute(skpMaterial, dictionary, true, keyString(Key::MaterialType), INT2FIX(material->typeId()));
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
    std::vector<std::string> names;
    SceneMaterials& library = libraryInUse();
    library.listNames(names);
    RubyValueGuard materials;
    modelMaterials(materials);
    const long modelCount = materialCount(materials.get());
    if (modelCount < 0) return {};
    const long attempts = static_cast<long>(names.size()) + 2 * modelCount + 2;
    for (long counter = 0; counter < attempts; ++counter) {
        const std::string candidate = counter == 0 ? base : base + std::to_string(counter);
        if (!candidate.empty() && library.isNameFree(candidate) && isSkpMaterialNameFree(candidate))
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
        material->name = skpName;
        if (!libraryInUse().replaceMaterial(name, material)) {
            material->name = name;
            return;
        }
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
    for (const MaterialRef& m : findMaterialsOfType(material, MaterialType::Linked)) {
        const auto& linked = static_cast<const MaterialLinked&>(*m);
        if (!linked.idData.hasText()) continue;
        RubyValueGuard linkedName(wideToRuby(linked.idData.textId)), skpMaterial;
        if (linkedName.truthy()) callPlugin(skpMaterial, "find_skp_material", linkedName.get());
        if (skpMaterial.truthy())
            for (const auto& diffuse : diffuseLayers(linked.linked)) SetBasicKilnMaterial(diffuse, skpMaterial.get());
    }
    RubyValueGuard nameValue(wideToRuby(name)), skpMaterial;
    if (nameValue.truthy()) callPlugin(skpMaterial, "find_skp_material", nameValue.get());
    if (!skpMaterial.truthy()) return;
    // Before storing, so the record carries what it changes.
    setMaterialFromSkp(skpMaterial.get(), material);
    if (storeKilnMaterial(skpMaterial.get(), name)) map[name] = skpMaterial;
}

void SkpMaterialEditor::convertSceneMaterials(SkpMaterialMap& map) {
    SceneMaterials& library = libraryInUse();
    std::vector<std::string> names;
    library.listNames(names);  // renaming below does not disturb this list
    for (const std::string& name : names) {
        const MaterialRef material = library.getMaterial(name);
        if (!material || equalsNoCase(name, kDefaultMaterialName)) continue;
        if (findMaterialsOfType(material, MaterialType::Linked).empty())
            convertSelfContained(name, material, map);
        else
            convertLinking(name, material, map);
    }
}

}  // namespace KilnRuby
