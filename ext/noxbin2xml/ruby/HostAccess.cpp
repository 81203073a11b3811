#include "ruby/HostAccess.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "ruby/ValueClasses.h"

namespace KilnRuby {
namespace {

MethodIds methodIds{};

struct KeyText {
    const char* text;
    const char* failureMessage;
};

const KeyText kKeys[] = {
    {"{DD17A615-9867-4806-8F46-B37031D7F153}", "about to go boom in GuidValue\n"},
    {"serial_data", "about to go boom in SerialDataKeyValue\n"},
    {"kiln_material", "[SkpMaterialEditor::MaterialKey]- About to go boom...\n"},
    {"kiln_material_type", "[SkpMaterialEditor::MaterialTypeKey]- About to go boom...\n"},
    {"kiln_material_name", "[SkpMaterialEditor::MaterialNameKey]- About to go boom...\n"},
};
constexpr size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];
VALUE keyValues[kKeyCount] = {Qnil, Qnil, Qnil, Qnil, Qnil};

const char* const kHostClassPaths[] = {
    "KilnForSketchUp", "Sketchup",       "Sketchup::Material",   "Sketchup::Color",
    "Geom::Vector3d",  "Geom::Point3d",  "Geom::Transformation", "Sketchup::Vertex",
};
constexpr size_t kHostClassCount = sizeof kHostClassPaths / sizeof kHostClassPaths[0];
VALUE hostClassValues[kHostClassCount] = {Qnil, Qnil, Qnil, Qnil, Qnil, Qnil, Qnil, Qnil};

VALUE extensionModuleValue = Qnil;

// The class or module a "A::B" path names, or nil. Walks the constants
// without raising for missing ones (only an autoload could raise).
VALUE lookUpPath(const char* path) {
    return protectedValue([path]() -> VALUE {
        VALUE scope = rb_cObject;
        for (const char* part = path; *part != '\0';) {
            const char* end = std::strstr(part, "::");
            const long length = end ? end - part : static_cast<long>(std::strlen(part));
            const ID name = rb_intern2(part, length);
            if (!rb_const_defined_at(scope, name)) return Qnil;
            scope = rb_const_get_at(scope, name);
            if (!RB_TYPE_P(scope, T_CLASS) && !RB_TYPE_P(scope, T_MODULE)) return Qnil;
            part = end ? end + 2 : part + length;
        }
        return scope;
    });
}

// receiver.method(*argv) as a body for the guarded runs; nil when the
// receiver does not respond to the method.
auto methodCall(VALUE receiver, ID method, int argc, const VALUE* argv) {
    return [receiver, method, argc, argv]() -> VALUE {
        if (!rb_respond_to(receiver, method)) return Qnil;
        return rb_funcallv(receiver, method, argc, argv);
    };
}

void remember(VALUE& slot, VALUE value) {
    keepAlive(value);
    slot = value;
}

}  // namespace

void internMethodIds() {
    methodIds = MethodIds{
        rb_intern("attribute_dictionary"),
        rb_intern("[]"),
        rb_intern("[]="),
        rb_intern("delete_key"),
        rb_intern("active_model"),
        rb_intern("materials"),
        rb_intern("add"),
        rb_intern("count"),
        rb_intern("length"),
        rb_intern("name"),
        rb_intern("display_name"),
        rb_intern("casecmp"),
        rb_intern("material="),
        rb_intern("color="),
        rb_intern("alpha="),
        rb_intern("texture="),
        rb_intern("to_a"),
        rb_intern("position"),
    };
}

const MethodIds& ids() { return methodIds; }

VALUE keyString(Key key) {
    const size_t index = static_cast<size_t>(key);
    VALUE& cached = keyValues[index];
    if (NIL_P(cached)) {
        const char* text = kKeys[index].text;
        const VALUE created = protectedValue([text] { return rb_obj_freeze(rb_utf8_str_new_cstr(text)); });
        if (NIL_P(created)) {
            debugPrintf("%s", kKeys[index].failureMessage);
            return Qnil;
        }
        remember(cached, created);
    }
    return cached;
}

const char* keyText(Key key) { return kKeys[static_cast<size_t>(key)].text; }

VALUE hostClass(HostClass which) {
    const size_t index = static_cast<size_t>(which);
    VALUE& cached = hostClassValues[index];
    if (NIL_P(cached)) {
        const VALUE found = lookUpPath(kHostClassPaths[index]);
        if (!NIL_P(found)) remember(cached, found);
    }
    return cached;
}

bool isKindOf(VALUE value, HostClass which) {
    const VALUE klass = hostClass(which);
    return !NIL_P(klass) && RTEST(rb_obj_is_kind_of(value, klass));
}

void resolveHostClasses(VALUE module) {
    if (NIL_P(extensionModuleValue)) remember(extensionModuleValue, module);
    VALUE& plugin = hostClassValues[static_cast<size_t>(HostClass::PluginModule)];
    if (NIL_P(plugin)) {
        const VALUE created = protectedValue([] { return rb_define_module("KilnForSketchUp"); });
        if (!NIL_P(created)) remember(plugin, created);
    }
    for (size_t i = 0; i < kHostClassCount; ++i) hostClass(static_cast<HostClass>(i));
    if (!NIL_P(plugin)) defineValueClasses(plugin);
}

VALUE extensionModule() { return extensionModuleValue; }

VALUE callProtected(VALUE receiver, ID method, int argc, const VALUE* argv) {
    if (!RTEST(receiver)) return Qnil;
    return protectedValue(methodCall(receiver, method, argc, argv));
}

VALUE callPassingStops(VALUE receiver, ID method, int argc, const VALUE* argv) {
    if (!RTEST(receiver)) return Qnil;
    return valuePassingStops(methodCall(receiver, method, argc, argv));
}

bool evalProtected(const char* source, RubyValueGuard& out) {
    out.release();
    VALUE result;
    if (!runProtected([source] { return rb_eval_string(source); }, result)) return false;
    out.set(result);
    return true;
}

bool getAttribute(VALUE entity, VALUE dictionaryName, VALUE key, RubyValueGuard& out) {
    out.release();
    if (!RTEST(entity)) return false;
    RubyValueGuard dictionary;
    protectedCall(dictionary, entity, ids().attributeDictionary, dictionaryName, Qfalse);
    if (!dictionary.truthy()) return false;
    protectedCall(out, dictionary.get(), ids().elementGet, key);
    return out.truthy();
}

void setAttribute(VALUE entity, VALUE dictionaryName, bool create, VALUE key, VALUE value) {
    RubyValueGuard dictionary, result;
    protectedCall(dictionary, entity, ids().attributeDictionary, dictionaryName, create ? Qtrue : Qfalse);
    if (dictionary.truthy()) protectedCall(result, dictionary.get(), ids().elementSet, key, value);
}

void deleteAttribute(VALUE entity, VALUE dictionaryName, VALUE key) {
    RubyValueGuard dictionary, result;
    protectedCall(dictionary, entity, ids().attributeDictionary, dictionaryName, Qfalse);
    if (dictionary.truthy()) protectedCall(result, dictionary.get(), ids().deleteKey, key);
}

void warnProtected(const char* text) {
    protectedValue([text] {
        rb_warn("%s", text);
        return Qnil;
    });
}

void debugPrintf(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::fputs(buffer, stderr);
}

}  // namespace KilnRuby
