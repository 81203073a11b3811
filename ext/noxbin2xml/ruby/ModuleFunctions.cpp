// Each Ruby-facing function only checks its arguments and turns a plain C++
// result into a Ruby value; the C++ work happens in helpers whose Ruby calls
// are all protected, so no Ruby exception ever unwinds a C++ object. Every
// call runs as a module call (ModuleCall.h): a failure says why, and a stop
// raised in a host callback continues once the helpers have returned.
#include "ruby/ModuleFunctions.h"

#include <cstdint>
#include <limits>
#include <string>

#include "Version.h"
#include "ruby/ByteArrays.h"
#include "ruby/HostAccess.h"
#include "ruby/ModuleCall.h"
#include "ruby/RubyText.h"
#include "scene/SkpModule.h"
#include "serial/QuickArchive.h"

using KilnCore::QuickArchive;

namespace KilnRuby {
namespace {

// A conversion of the scene converter.
using Conversion = SkpModule::Result (SkpModule::*)(QuickArchive&, int32_t, KilnCore::ReadTrace*);

bool outOfMemory() { return failCall("out of memory"); }

// Reads the entity's scene record into the scene state.
bool readSceneRecord(VALUE entity) {
    try {
        RubyValueGuard record;
        if (!getAttribute(entity, keyString(Key::Guid), keyString(Key::SerialData), record))
            return failCall(std::string("no scene record: the entity has no \"") + keyText(Key::SerialData) +
                            "\" in its attribute dictionary \"" + keyText(Key::Guid) + '"');
        QuickArchive archive(1);
        if (!loadArchiveFromByteArray(record.get(), archive)) return false;
        const SkpModule::Result read = SkpModule::instance().readScene(archive);
        return read.ok || failCall(read.failure);
    } catch (...) {
        return outOfMemory();
    }
}

bool typeIdentifier(VALUE value, int32_t& out) {
    long number;
    if (!numberToLong(value, number))
        return failCall("the type identifier does not convert to an Integer (" + classNameOf(value) + ")");
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
        return failCall("the type identifier " + std::to_string(number) + " is out of range");
    out = static_cast<int32_t>(number);
    return true;
}

VALUE xmlText(const std::string& xml) {
    const VALUE text = wideToRuby(xml);
    if (NIL_P(text)) failCall("the XML text could not be made a Ruby String");
    return text;
}

// The answer's document as a Ruby String, or nil with its failure.
VALUE documentText(const SkpModule::Result& answer) {
    if (answer.ok) return xmlText(answer.document);
    failCall(answer.failure);
    return Qnil;
}

// One record to XML text as a Ruby String, or nil.
VALUE convertRecord(VALUE bytes, VALUE typeIdValue, Conversion conversion) {
    try {
        QuickArchive archive(1);
        int32_t typeId = 0;
        if (!loadArchiveFromByteArray(bytes, archive) || !typeIdentifier(typeIdValue, typeId)) return Qnil;
        return documentText((SkpModule::instance().*conversion)(archive, typeId, nullptr));
    } catch (...) {
        outOfMemory();
        return Qnil;
    }
}

VALUE optionsDocument() {
    try {
        return documentText(SkpModule::instance().optionsXml());
    } catch (...) {
        outOfMemory();
        return Qnil;
    }
}

VALUE oldDeserialize(VALUE entity) {
    if (!RTEST(entity)) {
        failCall(NIL_P(entity) ? "the entity is nil" : "the entity is false");
        return Qnil;
    }
    return readSceneRecord(entity) ? Qtrue : Qfalse;
}

// old_deserialize(entity): nil for nil or false, else whether a scene record
// was found and read.
VALUE rbOldDeserialize(VALUE, VALUE entity) {
    return runModuleCall([entity] { return oldDeserialize(entity); });
}

// serialize_to_xml(anything): the options document.
VALUE rbSerializeToXml(VALUE, VALUE) {
    return runModuleCall([] { return optionsDocument(); });
}

// convert_material(bytes, type_id): the material document, or nil.
VALUE rbConvertMaterial(VALUE, VALUE bytes, VALUE typeId) {
    return runModuleCall([bytes, typeId] { return convertRecord(bytes, typeId, &SkpModule::convertMaterial); });
}

// convert_light(bytes, type_id): the light's assets, or nil.
VALUE rbConvertLight(VALUE, VALUE bytes, VALUE typeId) {
    return runModuleCall([bytes, typeId] { return convertRecord(bytes, typeId, &SkpModule::convertLight); });
}

// last_failure: why the calling thread's last module call answered nil or
// false, or nil after a success.
VALUE rbLastFailure(VALUE) {
    const std::string& failure = lastFailure();
    return failure.empty() ? Qnil : wideToRuby(failure);
}

}  // namespace

void installModuleFunctions(VALUE module) {
    rb_define_module_function(module, "old_deserialize", RUBY_METHOD_FUNC(rbOldDeserialize), 1);
    rb_define_module_function(module, "serialize_to_xml", RUBY_METHOD_FUNC(rbSerializeToXml), 1);
    rb_define_module_function(module, "convert_material", RUBY_METHOD_FUNC(rbConvertMaterial), 2);
    rb_define_module_function(module, "convert_light", RUBY_METHOD_FUNC(rbConvertLight), 2);
    rb_define_module_function(module, "last_failure", RUBY_METHOD_FUNC(rbLastFailure), 0);
    rb_define_const(module, "VERSION", rb_obj_freeze(rb_str_new_cstr(NOXBIN2XML_VERSION)));
    internMethodIds();
    SkpModule::instance();  // the scene state exists, and is in use, from load on
}

}  // namespace KilnRuby
