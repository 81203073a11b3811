// noxbin2xml: converts and explains the plug-in's old binary records outside
// the host application.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "Batch.h"
#include "Conversions.h"
#include "Explain.h"
#include "InspectorPage.h"
#include "RecordInput.h"
#include "SceneFolder.h"
#include "lights/BaseLight.h"
#include "materials/BaseMaterial.h"
#include "serial/ReadTrace.h"

namespace fs = std::filesystem;
using namespace noxbin2xml;

namespace {

constexpr int kUsageError = 2;

const char* kindName(RecordKind kind) { return kind == RecordKind::Light ? "light" : "material"; }

bool knownType(RecordKind kind, int32_t type) {
    return kind == RecordKind::Light ? KilnCore::createLight(type) != nullptr
                                     : KilnCore::createMaterial(type) != nullptr;
}

// TYPE as given on the command line: a type number, or "auto" for the number
// that ends the file name ("bump-3.rec" is type 3).
class TypeChoice {
public:
    TypeChoice(RecordKind kind, std::string text) : kind_(kind), text_(std::move(text)) {}

    // A usage error for a TYPE that is neither a known type nor "auto".
    std::string check() const {
        if (text_ == "auto") return {};
        int32_t type = 0;
        if (!parse(text_, type)) return "TYPE must be a number or \"auto\", not '" + text_ + "'";
        if (!knownType(kind_, type)) return std::string("unknown ") + kindName(kind_) + " type " + text_;
        return {};
    }

    bool typeFor(const Input& input, int32_t& type, std::string& error) const {
        if (text_ != "auto") return parse(text_, type);
        const std::string stem = input.path.stem().string();
        const size_t dash = stem.rfind('-');
        if (dash == std::string::npos || !parse(stem.substr(dash + 1), type)) {
            error = "the file name does not end in -TYPE (as in bump-3.rec), so \"auto\" finds no type";
            return false;
        }
        if (!knownType(kind_, type)) {
            error = std::string("unknown ") + kindName(kind_) + " type " + std::to_string(type) + " in the file name";
            return false;
        }
        return true;
    }

private:
    static bool parse(const std::string& text, int32_t& value) {
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) return false;
        value = std::stoi(text);
        return true;
    }
    RecordKind kind_;
    std::string text_;
};

// One line for a batch report: the failure chain joined.
std::string oneLine(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    for (size_t pos; (pos = text.find('\n')) != std::string::npos;) text.replace(pos, 1, " / ");
    return text;
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "noxbin2xml: %s\n", message.c_str());
    return kUsageError;
}

// The output of a conversion: standard output for a single input without
// -o, the file -o names, or a file under the folder -o names.
JobResult writeOutput(const std::string& option, bool toFolder, OutputClaims& claims, const Input& input,
                      const std::string& text) {
    if (option.empty()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return {true, {}};
    }
    const fs::path path = toFolder ? fs::path(option) / fs::path(input.relative).replace_extension(".xml") : fs::path(option);
    std::string error;
    if (!claims.claim(path, input, error)) return {false, error};
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    if (!writeFileAtomically(path, text, error)) return {false, error};
    return {true, {}};
}

int convertCommand(RecordKind kind, const TypeChoice& type, const std::vector<std::string>& files,
                   const std::string& output) {
    if (const std::string problem = type.check(); !problem.empty()) return usageError(problem);
    InputList list;
    std::string error;
    if (!expandInputs(files.empty() ? std::vector<std::string>{"-"} : files, list, error)) return usageError(error);
    const bool toFolder = list.fromFolder || list.inputs.size() > 1 || fs::is_directory(output);
    if (toFolder && output.empty()) return usageError("several inputs need an output folder (-o DIR)");
    OutputClaims claims(list);
    return runBatch(list.inputs, [&](const Input& input) -> JobResult {
        std::vector<uint8_t> bytes;
        int32_t typeId = 0;
        std::string failure;
        if (!type.typeFor(input, typeId, failure) || !loadRecordFile(input.path, bytes, failure))
            return {false, failure};
        const Outcome outcome = convertRecord(kind, typeId, bytes);
        if (!outcome.ok) return {false, oneLine(outcome.error)};
        return writeOutput(output, toFolder, claims, input, outcome.text);
    });
}

int sceneCommand(const std::vector<std::string>& files, const std::string& output) {
    InputList list;
    std::string error;
    if (!expandInputs(files, list, error)) return usageError(error);
    const bool toSubfolders = list.fromFolder || list.inputs.size() > 1;
    OutputClaims claims(list);
    return runBatch(list.inputs, [&](const Input& input) -> JobResult {
        std::vector<uint8_t> bytes;
        std::string failure;
        if (!loadRecordFile(input.path, bytes, failure)) return {false, failure};
        const SceneOutcome scene = convertScene(bytes);
        if (!scene.ok) return {false, oneLine(scene.error)};
        const fs::path folder =
            toSubfolders ? fs::path(output) / fs::path(input.relative).replace_extension() : fs::path(output);
        if (!claims.claim(folder, input, failure) || !writeSceneFolder(folder, scene, failure)) return {false, failure};
        return {true, scene.summary + " -> " + folder.string() + ": options.xml + " +
                          std::to_string(scene.materials.size()) + " material documents"};
    });
}

// The inspector page of one record, to standard output or the file PAGE.
int inspectCommand(RecordKind kind, const std::string& command, int32_t type, const Input& input,
                   const std::vector<uint8_t>& bytes, const std::string& page) {
    KilnCore::ReadTrace trace;
    InspectedRecord record;
    const Outcome read = tracedRead(kind, type, bytes, trace, record.readEnd);
    record.title = input.path.filename().string();
    record.command = command;
    record.bytes = &bytes;
    record.trace = &trace;
    record.scene = kind == RecordKind::Scene;
    record.converted = read.ok;
    record.failure = read.error;
    record.note = overrunNote(bytes.size(), record.readEnd);
    if (read.ok && record.scene) {
        const SceneOutcome scene = sceneDocuments(bytes, read);
        record.documents.emplace_back("options.xml", scene.optionsXml);
        for (const auto& [name, text] : scene.materials) record.documents.emplace_back("materials/" + name + ".xml", text);
    } else if (read.ok) {
        record.documents.emplace_back("document", read.text);
    }
    const std::string html = inspectorPage(record);
    std::string error;
    if (page.empty()) {
        std::fwrite(html.data(), 1, html.size(), stdout);
    } else if (!writeFileAtomically(page, html, error)) {
        std::fprintf(stderr, "%s: %s\n", input.path.c_str(), error.c_str());
        return 1;
    }
    return read.ok ? 0 : 1;
}

// KIND [TYPE] FILE...: prints what each record holds, or where and why it
// does not convert; with --html, writes the inspector page of one record.
int explainCommand(const std::string& kindArg, const std::vector<std::string>& rest, bool html,
                   const std::string& page) {
    RecordKind kind;
    if (kindArg == "light") kind = RecordKind::Light;
    else if (kindArg == "material") kind = RecordKind::Material;
    else if (kindArg == "scene") kind = RecordKind::Scene;
    else return usageError("unknown record kind '" + kindArg + "' (light, material or scene)");
    const size_t typeArgs = kind == RecordKind::Scene ? 0 : 1;
    if (rest.size() <= typeArgs)
        return usageError(kind == RecordKind::Scene ? "usage: explain scene FILE..."
                                                    : "usage: explain " + kindArg + " TYPE FILE...");
    const TypeChoice type(kind, typeArgs ? rest[0] : "0");
    if (const std::string problem = typeArgs ? type.check() : ""; !problem.empty()) return usageError(problem);
    InputList list;
    std::string error;
    if (!expandInputs({rest.begin() + static_cast<long>(typeArgs), rest.end()}, list, error)) return usageError(error);
    if (!html && !page.empty()) return usageError("-o is for the page of --html");
    if (html && list.inputs.size() != 1) return usageError("--html makes the page of one record: give one FILE");

    int status = 0;
    for (const Input& input : list.inputs) {
        if (list.inputs.size() > 1) std::printf("== %s\n", input.path.c_str());
        std::vector<uint8_t> bytes;
        int32_t typeId = 0;
        if (!type.typeFor(input, typeId, error) || !loadRecordFile(input.path, bytes, error)) {
            std::fprintf(stderr, "%s: %s\n", input.path.c_str(), error.c_str());
            status = 1;
            continue;
        }
        if (html) {
            if (!page.empty() && !OutputClaims(list).claim(page, input, error)) {
                std::fprintf(stderr, "%s: %s\n", input.path.c_str(), error.c_str());
                return 1;
            }
            const std::string command = kindArg + (typeArgs ? ' ' + std::to_string(typeId) : "");
            return inspectCommand(kind, command, typeId, input, bytes, page);
        }
        const Outcome outcome = explainRecord(kind, typeId, bytes);
        if (!outcome.ok) {
            std::printf("does not convert:\n%s\nread:\n", outcome.error.c_str());
            status = 1;
        }
        std::fputs(outcome.text.c_str(), stdout);
    }
    return status;
}

void addConvertCommand(CLI::App& app, RecordKind kind, int& status) {
    const std::string name = kindName(kind);
    auto* command = app.add_subcommand(name, "Convert " + name + " records to the XML text convert_" + name +
                                                 " returns");
    auto type = std::make_shared<std::string>();
    auto files = std::make_shared<std::vector<std::string>>();
    auto output = std::make_shared<std::string>();
    command->add_option("TYPE", *type, "the " + name + " type number, or \"auto\" to take it from each file name (bump-3.rec: 3)")
        ->required();
    command->add_option("FILE", *files, "record files or folders; standard input when none");
    command->add_option("-o,--output", *output, "output file, or folder for several inputs (the default: standard output)");
    command->footer("Each input gives one document; with a folder for -o, FILE.rec becomes FILE.xml under it.");
    command->callback([=, &status] { status = convertCommand(kind, TypeChoice(kind, *type), *files, *output); });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Converts the plug-in's old binary records to XML assets, and explains records that do not convert.\n"
                 "Records are raw bytes or the textual form [12, 0, 3, ...] (detected automatically)."};
    app.footer("Exit status: 0 when every input converted, 1 when any failed, 2 for a usage error.\n"
               "Run 'noxbin2xml COMMAND --help' for the options of a command.");
    app.require_subcommand(1);
    int status = 0;

    addConvertCommand(app, RecordKind::Light, status);
    addConvertCommand(app, RecordKind::Material, status);

    auto* scene = app.add_subcommand("scene", "Read scene records: the options document and one document per library material");
    std::vector<std::string> sceneFiles;
    std::string sceneOutput;
    scene->add_option("FILE", sceneFiles, "scene record files or folders")->required();
    scene->add_option("-o,--output", sceneOutput, "output folder")->required();
    scene->footer("Writes DIR/options.xml (what serialize_to_xml returns after old_deserialize) and\n"
                  "DIR/materials/NAME.xml (what convert_material returns for each library material).\n"
                  "Several inputs get a folder each under DIR. The scene upgrade does not run.");
    scene->callback([&] { status = sceneCommand(sceneFiles, sceneOutput); });

    auto* explain = app.add_subcommand("explain", "Show what a record holds, or where and why it does not convert");
    std::string kindArg;
    std::vector<std::string> rest;
    explain->add_option("KIND", kindArg, "light, material or scene")->required();
    explain->add_option("ARGS", rest, "TYPE FILE... (light, material) or FILE... (scene); TYPE may be \"auto\"")
        ->required();
    bool html = false;
    std::string page;
    explain->add_flag("--html", html, "write the inspector page of one record: its bytes, records and fields, "
                                      "failure and documents, as one HTML file");
    explain->add_option("-o,--output", page, "the page file for --html (the default: standard output)");
    explain->footer("Example: noxbin2xml explain material 3 bump-3.rec\n"
                    "A record that does not convert shows the chain of failures, outermost first:\n"
                    "  MaterialBump @0x9: nested texture failed\n"
                    "  BitmapTexture @0x11: unknown UVW type 2\n"
                    "The page of a record, to open in a browser:\n"
                    "  noxbin2xml explain --html material 3 bump-3.rec -o bump.html");
    explain->callback([&] { status = explainCommand(kindArg, rest, html, page); });

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : kUsageError;  // --help is not an error
    }
    return status;
}
