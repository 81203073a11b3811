// Ties the Kiln materials of the scene library to SketchUp materials: stores
// a Kiln material's record on a SketchUp material, creates SketchUp materials
// under free names, and carries the look of SketchUp materials (colour,
// opacity, texture file) into the Kiln materials that link to them.
//
// Nothing here raises: every host call is protected, and a host failure only
// skips the step concerned.
#pragma once

#include <ruby.h>

#include <map>
#include <memory>
#include <string>

#include "ruby/RubyValueGuard.h"

namespace KilnCore {
class BaseMaterial;
class Base_BRDF;
}  // namespace KilnCore

namespace KilnRuby {

// Kiln material name -> the SketchUp material that now stands for it.
using SkpMaterialMap = std::map<std::string, RubyValueGuard>;

class SkpMaterialEditor {
public:
    using MaterialRef = std::shared_ptr<KilnCore::BaseMaterial>;
    using BrdfRef = std::shared_ptr<KilnCore::Base_BRDF>;

    // Created on first use, never destroyed; it holds no state.
    static SkpMaterialEditor& instance();

    // Gives a SketchUp material made for a Kiln material the Kiln material's
    // basic look (colour, opacity and bitmap file of its first diffuse layer),
    // then lets the plug-in refine it ("evaluate_material"). True when the
    // plug-in answered with something other than nil or false.
    virtual bool evaluateMaterial(VALUE skpMaterial, const MaterialRef& material);
    // Fills a diffuse BRDF from the plug-in's description of a SketchUp
    // material ("convert_material"): colour -> color; 1 - alpha -> transparency
    // when the description uses alpha, else no transparency; a texture file ->
    // a bitmap color_tex. A color_tex that an earlier conversion made (a bitmap,
    // or a blend of a bitmap and a plain colour) is dropped first; any other
    // texture is the user's and stays. Other BRDFs are left alone.
    virtual void SetBasicKilnMaterial(const BrdfRef& brdf, VALUE skpMaterial);
    // The linked materials inside `material` whose text identifier is the
    // SketchUp material's display name (ignoring case) take its look: every
    // diffuse layer under them goes through SetBasicKilnMaterial. True when
    // a linked material matched.
    virtual bool setMaterialFromSkp(VALUE skpMaterial, const MaterialRef& material);

    // Writes "kiln_material_name", "kiln_material_type" and "kiln_material"
    // (the record as an Array of bytes) of the library material `name` into
    // the plug-in's dictionary on the SketchUp material.
    bool storeKilnMaterial(VALUE skpMaterial, const std::string& name);
    // No material of the model has the name or display name, ignoring case.
    // False when the model's materials cannot be read.
    bool isSkpMaterialNameFree(const std::string& name);
    // model.materials.add(name); nil on failure.
    void addSkpMaterial(const std::string& name, RubyValueGuard& out);

    // Gives each library material (but the default one) its SketchUp
    // material and records it in `map` under the material's library name:
    // a self-contained material gets a new SketchUp material (under a free
    // name, renaming the library material when its name is taken in the
    // model); a material linking to SketchUp materials takes their look and
    // is stored on the SketchUp material "find_skp_material" gives for it.
    void convertSceneMaterials(SkpMaterialMap& map);

    virtual ~SkpMaterialEditor() = default;

private:
    SkpMaterialEditor() = default;
    void convertSelfContained(const std::string& name, const MaterialRef& material, SkpMaterialMap& map);
    void convertLinking(const std::string& name, const MaterialRef& material, SkpMaterialMap& map);
    // The wanted name without its trailing digits, followed by the smallest
    // counter (none, 1, 2, ...) free both in the library and in the model;
    // empty when none is found.
    std::string freeMaterialName(const std::string& wanted);
};

}  // namespace KilnRuby
