// Each Ruby-facing function only checks its arguments and turns a plain C++
// result into a Ruby value; the C++ work happens in helpers whose Ruby calls
// are all protected, so no Ruby exception ever unwinds a C++ object.
#include "ruby/ModuleFunctions.h"

#include <cstdint>
#include <limits>
#include <string>

#include "lights/LightConversion.h"
#include "materials/MaterialConversion.h"
#include "options/SkpModule.h"
#include "ruby/ByteArrays.h"
#include "ruby/HostAccess.h"
#include "ruby/RubyText.h"
#include "serial/QuickArchive.h"

using KilnCore::QuickArchive;

namespace KilnRuby {
namespace {

using RecordConverter = bool (*)(QuickArchive&, int32_t, std::string&);

// Reads the entity's scene record into the scene state.
bool readSceneRecord(VALUE entity) {
    try {
        RubyValueGuard record;
        if (!getAttribute(entity, keyString(Key::Guid), keyString(Key::SerialData), record)) return false;
        QuickArchive archive(1);
        if (!loadArchiveFromByteArray(record.get(), archive)) return false;
        return SkpModule::instance().deserialize(archive);
    } catch (...) {  // memory exhaustion: the record is not read
        return false;
    }
}

bool typeIdentifier(VALUE value, int32_t& out) {
    long number;
    if (!numberToLong(value, number)) return false;
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max()) return false;
    out = static_cast<int32_t>(number);
    return true;
}

// One record to XML text as a Ruby String, or nil.
VALUE convertRecord(VALUE bytes, VALUE typeIdValue, RecordConverter convert) {
    try {
        QuickArchive archive(1);
        int32_t typeId;
        std::string xml;
        if (!loadArchiveFromByteArray(bytes, archive) || !typeIdentifier(typeIdValue, typeId) ||
            !convert(archive, typeId, xml))
            return Qnil;
        return wideToRuby(xml);
    } catch (...) {
        return Qnil;
    }
}

VALUE optionsDocument() {
    try {
        return wideToRuby(SkpModule::instance().optionsXml());
    } catch (...) {
        return Qnil;
    }
}

// old_deserialize(entity): nil for nil or false, else whether a scene record
// was found and read.
VALUE rbOldDeserialize(VALUE, VALUE entity) {
    if (!RTEST(entity)) return Qnil;
    return readSceneRecord(entity) ? Qtrue : Qfalse;
}

// serialize_to_xml(anything): the options document.
VALUE rbSerializeToXml(VALUE, VALUE) { return optionsDocument(); }

// convert_material(bytes, type_id): the material document, or nil.
VALUE rbConvertMaterial(VALUE, VALUE bytes, VALUE typeId) {
    return convertRecord(bytes, typeId, KilnCore::convertMaterialRecord);
}

// convert_light(bytes, type_id): the light's assets, or nil.
VALUE rbConvertLight(VALUE, VALUE bytes, VALUE typeId) {
    return convertRecord(bytes, typeId, KilnCore::convertLightRecord);
}

}  // namespace

void installModuleFunctions(VALUE module) {
    rb_define_module_function(module, "old_deserialize", RUBY_METHOD_FUNC(rbOldDeserialize), 1);
    rb_define_module_function(module, "serialize_to_xml", RUBY_METHOD_FUNC(rbSerializeToXml), 1);
    rb_define_module_function(module, "convert_material", RUBY_METHOD_FUNC(rbConvertMaterial), 2);
    rb_define_module_function(module, "convert_light", RUBY_METHOD_FUNC(rbConvertLight), 2);
    internMethodIds();
}

}  // namespace KilnRuby
