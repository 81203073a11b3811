// The upgrade's C++ state (the material map) lives in runSceneUpgrade's
// frame, outside the Ruby rescue. The body and rescue functions are plain
// functions holding no object with a destructor; they reach C++ objects only
// through calls that return before anything can raise, so the commit failure
// raised in the body unwinds nothing but the body itself.
#include "ruby/SceneUpgrade.h"

#include <ruby.h>

#include <cstdio>
#include <filesystem>

#include "ruby/HostAccess.h"
#include "ruby/ModuleCall.h"
#include "ruby/RubyText.h"
#include "ruby/SkpMaterialEditor.h"

namespace KilnRuby {
namespace {

constexpr const char* kBackupFileName = "Unnamed_NoxSR1_Upgrade_Backup.skp";
constexpr const char* kProceedQuestion =
    "We have made some changes to the way we handle materials in Kiln for SketchUp. An upgrade will be "
    "required to convert your older scenes to work with the new setup. Would you like to proceed?";
constexpr const char* kBackupFailedQuestion =
    "We were unable to back up this file automatically - you should do so before continuing. Would you like "
    "to proceed with the upgrade anyway?";
constexpr const char* kStartFailed = "Failed to start operation for Nox Scene Upgrade";
constexpr const char* kCommitFailed = "Failed to commit operation for SR1 Scene Upgrade";
constexpr const char* kOutOfMemory = "Out of memory during the Nox Scene Upgrade";
constexpr int kYes = 6;

std::string backupConfirmation() {
    return std::string("We have backed up this file to '") + kBackupFileName +
           "' in case you are unhappy with the file upgrade changes";
}

// The model's file, or empty for an unsaved model.
std::string modelPath(VALUE model) {
    static const ID kPath = rb_intern("path");
    RubyValueGuard path;
    protectedCall(path, model, kPath);
    std::string text;
    if (!NIL_P(path.get())) rubyToWide(path.get(), text);
    return text;
}

// Copies the file byte for byte. The backup is only opened once the model
// file is, so an unsaved model never clobbers an earlier backup, and never
// when both names lead to the same file.
bool copyFile(const std::string& from, const char* to) {
    if (from.empty()) return false;
    std::error_code ec;
    if (std::filesystem::equivalent(from, to, ec)) return false;
    FILE* source = std::fopen(from.c_str(), "rb");
    if (!source) return false;
    FILE* target = std::fopen(to, "wb");
    if (!target) {
        std::fclose(source);
        return false;
    }
    char chunk[4096];
    bool ok = true;
    size_t read;
    while (ok && (read = std::fread(chunk, 1, sizeof chunk, source)) > 0)
        ok = std::fwrite(chunk, 1, read, target) == read;
    ok = ok && !std::ferror(source);
    std::fclose(source);
    return std::fclose(target) == 0 && ok;
}

bool backUpModel(VALUE model) {
    if (!copyFile(modelPath(model), kBackupFileName)) return askYesNo(kBackupFailedQuestion);
    showMessage(backupConfirmation());
    return true;
}

bool evaluatesToTrue(const char* source) {
    RubyValueGuard result;
    return evalProtected(source, result) && result.get() == Qtrue;
}

// The entities grab_all_entities gives lose their "kiln_material" key and
// take the SketchUp material now standing for the name it held, if any.
void reassignMaterials(const SkpMaterialMap& materials) {
    static const ID kGrabAllEntities = rb_intern("grab_all_entities");
    RubyValueGuard entities;
    protectedCall(entities, hostClass(HostClass::PluginModule), kGrabAllEntities);
    if (!RB_TYPE_P(entities.get(), T_ARRAY)) return;
    const VALUE dictionary = keyString(Key::Guid);
    const VALUE key = keyString(Key::Material);
    // The length is read again each time: host calls may change the array.
    for (long i = 0; i < RARRAY_LEN(entities.get()); ++i) {
        const RubyValueGuard entity(rb_ary_entry(entities.get(), i));
        RubyValueGuard name, ignored;
        if (!getAttribute(entity.get(), dictionary, key, name)) continue;
        std::string text;
        if (rubyToWide(name.get(), text)) {
            const auto found = materials.find(text);
            if (found != materials.end()) protectedCall(ignored, entity.get(), ids().materialSet, found->second.get());
        }
        deleteAttribute(entity.get(), dictionary, key);
    }
}

// Steps of the body that touch C++ objects; none raises.
bool startOperation() noexcept {
    if (evaluatesToTrue("Sketchup.active_model.start_operation('Nox Scene Upgrade')")) return true;
    warnProtected(kStartFailed);
    return false;
}

bool convertMaterials(SkpMaterialMap& materials) noexcept {
    try {
        SkpMaterialEditor::instance().convertSceneMaterials(materials);
        reassignMaterials(materials);
        return true;
    } catch (...) {  // memory exhaustion: the operation is rolled back
        return false;
    }
}

bool commitOperation() noexcept {
    try {
        RubyValueGuard model;
        evalProtected("Sketchup.active_model", model);
        return evaluatesToTrue("Sketchup.active_model.commit_operation");
    } catch (...) {
        return false;
    }
}

// One run of the upgrade operation, shared by the body and runUpgradeOperation.
struct UpgradeRun {
    SkpMaterialMap* materials;
    bool started;
};

// A stop caught inside the operation ends the body without its own
// failure: raising one would replace the stop, which rolls back later.
VALUE failOperation(const char* message) {
    if (!pendingStop()) rb_raise(rb_eRuntimeError, "%s", message);
    return Qnil;
}

VALUE upgradeBody(VALUE runPointer) {
    UpgradeRun& run = *reinterpret_cast<UpgradeRun*>(runPointer);
    if (!startOperation()) return Qnil;
    run.started = true;
    if (!convertMaterials(*run.materials)) return failOperation(kOutOfMemory);
    if (!commitOperation()) return failOperation(kCommitFailed);
    return Qnil;
}

VALUE abortOperation(VALUE) {
    int state = 0;
    rb_eval_string_protect("Sketchup.active_model.abort_operation", &state);
    return Qnil;
}

VALUE upgradeRescue(VALUE, VALUE) { return abortOperation(Qnil); }

VALUE continueStop(VALUE) { rb_jump_tag(pendingStop()); }

// Rolls the operation back while a stop waits. The stop continues under
// rb_ensure, which aborts the operation and keeps the stop's payload
// across it; rb_protect catches it again, and it waits on for the end of
// the module call.
void abortBeforeTheStop() {
    int state = 0;
    rb_protect([](VALUE) { return rb_ensure(continueStop, Qnil, abortOperation, Qnil); }, Qnil, &state);
}

// The body under rb_rescue, itself under protection so that nothing the
// rescue does not catch leaves the upgrade; $! is left as it was.
void runUpgradeOperation(SkpMaterialMap& materials) {
    UpgradeRun run{&materials, false};
    VALUE ignored;
    runProtected([&run] { return rb_rescue(upgradeBody, reinterpret_cast<VALUE>(&run), upgradeRescue, Qnil); },
                 ignored);
    if (run.started && pendingStop()) abortBeforeTheStop();
}

bool isControlByte(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

}  // namespace

std::string messageBoxSource(const std::string& text, const char* type) {
    // Single quotes take everything but \ and ' as it is; control bytes
    // (which the parser could fold, like \r\n) become adjacent "\xNN" literals.
    std::string source = "# encoding: utf-8\nUI.messagebox('";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '\'') {
            source += '\\';
            source += c;
        } else if (isControlByte(byte)) {
            static const char kHex[] = "0123456789ABCDEF";
            source += "' \"\\x";
            source += kHex[byte >> 4];
            source += kHex[byte & 0xF];
            source += "\" '";
        } else {
            source += c;
        }
    }
    source += '\'';
    if (type && *type) source = source + ", " + type;
    return source + ")";
}

bool askYesNo(const std::string& text) {
    RubyValueGuard answer;
    int32_t button = 0;
    return evalProtected(messageBoxSource(text, "MB_YESNO").c_str(), answer) && rubyToInt(answer.get(), button) &&
           button == kYes;
}

void showMessage(const std::string& text) {
    RubyValueGuard ignored;
    evalProtected(messageBoxSource(text, "").c_str(), ignored);
}

void runSceneUpgrade() noexcept {
    try {
        RubyValueGuard model;
        protectedCall(model, hostClass(HostClass::SketchupModule), ids().activeModel);
        if (!model.truthy() || !askYesNo(kProceedQuestion) || !backUpModel(model.get())) return;
        SkpMaterialMap materials;
        runUpgradeOperation(materials);
    } catch (...) {  // memory exhaustion before the operation: nothing was changed
    }
}

}  // namespace KilnRuby
