// The one way the module reaches the host: protected method calls and
// evaluations that turn every Ruby exception into nil, the attribute
// dictionaries of entities, the cached key strings, the interned method
// identifiers and the host's classes and modules.
//
// Nothing here raises. Host failures (a nil receiver, a method the receiver
// does not answer, an exception inside it) come back as nil or false.
#pragma once

#include <ruby.h>

#include "ruby/RubyProtect.h"
#include "ruby/RubyValueGuard.h"

namespace KilnRuby {

// Method identifiers of the calls made on host objects.
struct MethodIds {
    ID attributeDictionary;  // "attribute_dictionary"
    ID elementGet;           // "[]"
    ID elementSet;           // "[]="
    ID deleteKey;            // "delete_key"
    ID activeModel;          // "active_model"
    ID materials;            // "materials"
    ID add;                  // "add"
    ID count;                // "count"
    ID length;               // "length"
    ID name;                 // "name"
    ID displayName;          // "display_name"
    ID casecmp;              // "casecmp"
    ID materialSet;          // "material="
    ID colorSet;             // "color="
    ID alphaSet;             // "alpha="
    ID textureSet;           // "texture="
    ID toA;                  // "to_a"
    ID position;             // "position"
};

// Interns the identifiers; done once by the extension's entry point.
void internMethodIds();
const MethodIds& ids();

// Dictionary name and keys of the plug-in's attributes, created on first use
// and kept for the life of the process. Nil (after a message on the debug
// output) when the String cannot be made.
enum class Key {
    Guid,          // "{DD17A615-9867-4806-8F46-B37031D7F153}", the plug-in's dictionary
    SerialData,    // "serial_data", the old scene record
    Material,      // "kiln_material"
    MaterialType,  // "kiln_material_type"
    MaterialName,  // "kiln_material_name"
};
VALUE keyString(Key key);
// The key's text, for messages.
const char* keyText(Key key);

// Host modules and classes. Nil while the host does not define them; a
// missing one is looked up again on each request, so a host loaded after the
// extension is still found.
enum class HostClass {
    PluginModule,    // KilnForSketchUp (the extension creates it when missing)
    SketchupModule,  // Sketchup
    Material,        // Sketchup::Material
    Color,           // Sketchup::Color
    Vector3d,        // Geom::Vector3d
    Point3d,         // Geom::Point3d
    Transformation,  // Geom::Transformation
    Vertex,          // Sketchup::Vertex
};
VALUE hostClass(HostClass which);
// False when the class is not defined.
bool isKindOf(VALUE value, HostClass which);

// Keeps the extension's module, makes sure the plug-in module exists, looks
// the host classes up and defines the value classes under the plug-in module.
void resolveHostClasses(VALUE extensionModule);
VALUE extensionModule();

// receiver.method(*argv), or nil when the receiver is nil or false, does not
// respond to the method, or the method fails (RubyProtect.h tells errors
// from stops).
VALUE callProtected(VALUE receiver, ID method, int argc, const VALUE* argv);
// The same, but a stop (Interrupt, SystemExit, throw, Thread#kill) continues
// at once through the caller, whose frames must hold no object with a
// destructor (see valuePassingStops).
VALUE callPassingStops(VALUE receiver, ID method, int argc, const VALUE* argv);

template <class... Args>
void protectedCall(RubyValueGuard& out, VALUE receiver, ID method, Args... args) {
    out.release();
    const VALUE argv[sizeof...(Args) + 1] = {static_cast<VALUE>(args)..., Qnil};
    out.set(callProtected(receiver, method, static_cast<int>(sizeof...(Args)), argv));
}

// Evaluates one line of Ruby. True when it raised nothing; out holds its value.
bool evalProtected(const char* source, RubyValueGuard& out);

// entity.attribute_dictionary(dictionaryName, false)[key]; true when that
// gives something other than nil or false. Never creates the dictionary.
bool getAttribute(VALUE entity, VALUE dictionaryName, VALUE key, RubyValueGuard& out);
// entity.attribute_dictionary(dictionaryName, create)[key] = value.
void setAttribute(VALUE entity, VALUE dictionaryName, bool create, VALUE key, VALUE value);
// entity.attribute_dictionary(dictionaryName, false).delete_key(key).
void deleteAttribute(VALUE entity, VALUE dictionaryName, VALUE key);

// A Ruby warning (the Ruby caller's position, "warning: " and the text,
// through Warning.warn); a warning handler that raises is ignored.
void warnProtected(const char* text);

// Diagnostics: printf-style, at most 511 characters, to standard error.
void debugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace KilnRuby
