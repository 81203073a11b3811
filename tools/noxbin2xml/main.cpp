// noxbin2xml: converts and explains the plug-in's old binary records outside
// the host application.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "Batch.h"
#include "Conversions.h"
#include "Explain.h"
#include "InspectorPage.h"
#include "OutputPlan.h"
#include "Outputs.h"
#include "RecordInput.h"
#include "SceneFolder.h"
#include "TerminalText.h"
#include "TypeChoice.h"
#include "Version.h"
#include "platform/CommandLine.h"
#include "platform/Signals.h"
#include "platform/Terminal.h"
#include "platform/Utf8Path.h"
#include "serial/ReadTrace.h"

namespace fs = std::filesystem;
using namespace noxbin2xml;

namespace {

constexpr int kUsageError = 2;
constexpr const char* kCommands = "light, material, scene or explain";

// The record of an input and its type, or why there is none.
bool loadTypedRecord(const TypeChoice& type, const Input& input, int32_t& typeId, std::vector<uint8_t>& bytes,
                     std::string& error) {
    return type.typeFor(platform::utf8FromPath(input.path.filename()), typeId, error) &&
           loadRecordFile(input.path, bytes, error);
}

// One line for a batch report: the failure chain joined.
std::string oneLine(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    for (size_t pos; (pos = text.find('\n')) != std::string::npos;) text.replace(pos, 1, " / ");
    return text;
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "noxbin2xml: %s\n", printable(message).c_str());
    return kUsageError;
}

// Options every command takes.
struct CommonOptions {
    bool quiet = false;
    bool verbose = false;
};

// Options of the commands that write documents.
struct WriteChoices {
    std::string output;
    bool strict = false;
    bool wellFormed = false;
    size_t maxDocumentMb = KilnCore::kDefaultMaxDocumentBytes >> 20;

    WriteOptions writeOptions() const { return {maxDocumentMb << 20, wellFormed}; }
};

// What the pieces that make a document malformed XML mean for its input:
// a warning with the first one, a failure under --strict, or the list of
// repairs under --well-formed. False when the input fails.
bool applyXmlChoice(const WriteChoices& choices, const MalformedNotes& notes, JobResult& result) {
    if (notes.count == 0) return true;
    if (choices.strict) {
        result = {false, "the document would not be well-formed XML: " + malformedSummary(notes), {}};
        return false;
    }
    if (!choices.wellFormed) {
        result.notes.push_back(malformedWarning(notes));
        return true;
    }
    for (const std::string& line : notes.lines) result.notes.push_back("repaired " + line);
    if (notes.count > notes.lines.size())
        result.notes.push_back("repaired " + std::to_string(notes.count - notes.lines.size()) + " more pieces");
    return true;
}

// The inputs of a call, with a hint when standard input is a terminal (a
// user who forgot FILE would otherwise wait for nothing).
InputList inputsOf(const std::vector<std::string>& files) {
    InputList list = expandInputs(files);
    const bool readsStdin = std::any_of(list.inputs.begin(), list.inputs.end(), [](const Input& i) { return i.path == "-"; });
    if (readsStdin && platform::isTerminal(platform::StandardStream::Input))
        std::fprintf(stderr, "noxbin2xml: reading a record from the terminal; paste it and end with Ctrl-D "
                             "(Ctrl-Z Enter on Windows), or name a FILE\n");
    return list;
}

// Creates the output folder, or prints the one message for the whole call.
bool folderReady(const std::filesystem::path& folder) {
    const std::string problem = prepareFolder(folder);
    if (!problem.empty()) std::fprintf(stderr, "noxbin2xml: %s\n", printable(problem).c_str());
    return problem.empty();
}

int convertCommand(RecordKind kind, const TypeChoice& type, const std::vector<std::string>& files,
                   const WriteChoices& choices, const CommonOptions& common) {
    if (const std::string problem = type.check(); !problem.empty()) return usageError(problem);
    const std::vector<std::string> arguments = files.empty() ? std::vector<std::string>{"-"} : files;
    if (type.isAuto() && std::count(arguments.begin(), arguments.end(), "-"))
        return usageError("\"auto\" takes the type from file names, and standard input has none");
    InputList list = inputsOf(arguments);
    OutputTarget target;
    if (const std::string problem = chooseTarget(choices.output, list, target); !problem.empty())
        return usageError(problem);
    if (target.kind == OutputTarget::Kind::Folder && !folderReady(target.path)) return 1;
    const InputFiles inputs(list);
    planOutputs(list, target, ".xml", inputs);
    const bool toStdout = target.kind == OutputTarget::Kind::StandardOutput;
    const bool documentsOnStdout = toStdout && target.streamFile() == stdout;
    const BatchOptions batch{common.quiet, common.verbose, documentsOnStdout ? stderr : stdout};
    return runBatch(list.inputs, batch, [&](const Input& input) -> JobResult {
        std::vector<uint8_t> bytes;
        int32_t typeId = 0;
        std::string failure;
        if (!loadTypedRecord(type, input, typeId, bytes, failure))
            return {false, failure, {}};
        const Outcome outcome = convertRecord(kind, typeId, bytes, choices.writeOptions());
        if (!outcome.ok) return {false, oneLine(outcome.error), {}};
        const std::string destination = !toStdout            ? platform::utf8FromPath(input.output)
                                        : documentsOnStdout ? "standard output"
                                                            : "standard error";
        JobResult result{true, "-> " + destination, {}};
        if (!applyXmlChoice(choices, outcome.malformed, result)) return result;
        if (toStdout) {
            std::fwrite(outcome.text.data(), 1, outcome.text.size(), target.streamFile());
        } else if (!writeOutputFile(input.output, outcome.text, failure)) {
            return {false, failure, result.notes};
        }
        return result;
    });
}

int sceneCommand(const std::vector<std::string>& files, const WriteChoices& choices, const CommonOptions& common) {
    InputList list = inputsOf(files);
    const bool several = list.fromFolder || list.inputs.size() > 1;
    // One scene writes into DIR itself, several into a folder each under it.
    const OutputTarget target{several ? OutputTarget::Kind::Folder : OutputTarget::Kind::File, choices.output};
    if (!folderReady(target.path)) return 1;
    const InputFiles inputs(list);
    planSceneOutputs(list, target, inputs);
    return runBatch(list.inputs, {common.quiet, !common.quiet, stdout}, [&](const Input& input) -> JobResult {
        std::vector<uint8_t> bytes;
        std::string failure;
        if (!loadRecordFile(input.path, bytes, failure)) return {false, failure, {}};
        const SceneOutcome scene = convertScene(bytes, choices.writeOptions());
        if (!scene.ok) return {false, oneLine(scene.error), {}};
        JobResult result{true,
                         scene.summary + " -> " + platform::utf8FromPath(input.output) + ": options.xml + " +
                             std::to_string(scene.materials.size()) + " material documents",
                         {}};
        if (!applyXmlChoice(choices, scene.malformed, result)) return result;
        if (!writeSceneFolder(input.output, scene, inputs, failure)) return {false, failure, result.notes};
        return result;
    });
}

// "FILE: reason" on standard error.
void reportFailure(const Input& input, const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n", printable(platform::utf8FromPath(input.path)).c_str(), printable(reason).c_str());
}

// The page of one input; false with the reason when it cannot be written.
JobResult writePage(RecordKind kind, const TypeChoice& type, const Input& input,
                    const OutputTarget& target) {
    std::vector<uint8_t> bytes;
    int32_t typeId = 0;
    std::string error;
    if (!loadTypedRecord(type, input, typeId, bytes, error)) return {false, error, {}};
    KilnCore::ReadTrace trace;
    InspectedRecord record;
    record.title = platform::utf8FromPath(input.path.filename());
    readForPage(kind, typeId, bytes, trace, record);
    const std::string html = inspectorPage(record);
    if (target.kind == OutputTarget::Kind::StandardOutput) {
        std::fwrite(html.data(), 1, html.size(), target.streamFile());
    } else if (!writeOutputFile(input.output, html, error)) {
        return {false, error, {}};
    }
    return {record.converted, {}, {}};
}

// --html: the inspector page of one record, to standard output or -o.
int pageCommand(RecordKind kind, const TypeChoice& type, InputList& list,
                const std::string& option) {
    if (list.inputs.size() != 1) return usageError("--html makes the page of one record: give one FILE");
    OutputTarget target;
    if (const std::string problem = chooseTarget(option, list, target); !problem.empty()) return usageError(problem);
    if (target.kind == OutputTarget::Kind::Folder && !folderReady(target.path)) return 1;
    planOutputs(list, target, ".html", InputFiles(list));
    const Input& input = list.inputs.front();
    const JobResult result = runGuarded(
        [&](const Input& in) { return writePage(kind, type, in, target); }, input);
    if (!result.message.empty()) reportFailure(input, result.message);
    return result.ok ? 0 : 1;
}

// Prints what one record holds, or where and why it does not convert.
JobResult explainInput(RecordKind kind, const TypeChoice& type, const Input& input) {
    std::vector<uint8_t> bytes;
    int32_t typeId = 0;
    std::string error;
    if (!loadTypedRecord(type, input, typeId, bytes, error)) return {false, error, {}};
    const Outcome outcome = explainRecord(kind, typeId, bytes);
    if (outcome.gaveUp) return {false, oneLine(outcome.error), {}};
    if (!outcome.ok) std::printf("does not convert:\n%s\nread:\n", printable(outcome.error, true).c_str());
    std::fputs(printable(outcome.text, true).c_str(), stdout);
    return {outcome.ok, {}, {}};
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
    InputList list = inputsOf({rest.begin() + static_cast<long>(typeArgs), rest.end()});
    if (html) return pageCommand(kind, type, list, page);
    if (!page.empty()) return usageError("-o is for the page of --html");

    int status = 0;
    for (const Input& input : list.inputs) {
        if (list.inputs.size() > 1) std::printf("== %s\n", printable(platform::utf8FromPath(input.path)).c_str());
        std::fflush(stdout);  // the header before a failure's line on standard error
        const JobResult result = runGuarded([&](const Input& in) { return explainInput(kind, type, in); }, input);
        if (!result.ok) status = 1;
        if (!result.message.empty()) reportFailure(input, result.message);
    }
    return status;
}

void addWriteOptions(CLI::App& command, WriteChoices& choices) {
    auto* strict = command.add_flag("--strict", choices.strict,
                                    "fail an input whose document would not be well-formed XML");
    command.add_flag("--well-formed", choices.wellFormed,
                     "write such documents repaired (& < > \" escaped, forbidden characters replaced) and list "
                     "the repairs")
        ->excludes(strict);
    command.add_option("--max-document", choices.maxDocumentMb, "fail an input whose document would pass this size")
        ->capture_default_str()
        ->type_name("MB")
        ->check(CLI::Range(size_t{1}, size_t{1} << 20));
}

// The command the parse chose: where its FILE arguments go, and running it
// (after the arguments that follow "--" were added).
struct ChosenCommand {
    std::vector<std::string>* files = nullptr;
    std::function<int()> run;
};

void addConvertCommand(CLI::App& app, RecordKind kind, const CommonOptions& common, ChosenCommand& chosen) {
    const std::string name = kindName(kind);
    auto* command = app.add_subcommand(name, "Convert " + name + " records to the XML text convert_" + name +
                                                 " returns");
    auto type = std::make_shared<std::string>();
    auto files = std::make_shared<std::vector<std::string>>();
    auto choices = std::make_shared<WriteChoices>();
    command->add_option("TYPE", *type, "the " + name + " type number, or \"auto\" to take it from each file name (bump-3.rec: 3)")
        ->required();
    command->add_option("FILE", *files, "record files or folders; standard input when none (or -)");
    command->add_option("-o,--output", choices->output,
                        "output file, or folder (several inputs, a trailing /, or an existing folder); "
                        "the default: standard output");
    addWriteOptions(*command, *choices);
    command->footer("Each input gives one document; with a folder for -o, FILE.rec becomes FILE.xml under it.\n"
                    "An -o that is a link is written through; a device or FIFO is written straight.");
    command->callback([=, &common, &chosen] {
        chosen = {files.get(), [=, &common] { return convertCommand(kind, TypeChoice(kind, *type), *files, *choices, common); }};
    });
}

// CLI11 says "A subcommand is required" for a mistyped command; name it
// and the valid ones instead. Empty when the first word is a command.
std::string unknownCommand(const std::vector<std::string>& arguments) {
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "-h" || word == "--help" || word == "--version") return {};
        if (!word.empty() && word[0] == '-') continue;
        const bool known = word == "light" || word == "material" || word == "scene" || word == "explain";
        return known ? "" : "unknown command '" + word + "' (" + kCommands + ")";
    }
    return std::string("a command is required: ") + kCommands + " (see --help)";
}

}  // namespace

int main(int argc, char** argv) {
    platform::useBinaryStandardStreams();
    const std::vector<std::string> arguments = platform::utf8Arguments(argc, argv);
    CLI::App app{"Converts the plug-in's old binary records to XML assets, and explains records that do not convert.\n"
                 "Records are raw bytes or the textual form [12, 0, 3, ...] (detected automatically; a console's\n"
                 "\"=> [...]\", a byte-order mark and text after the array are allowed)."};
    app.footer("Inputs are regular files (or - for standard input) of at most " +
               std::to_string(kMaxInputBytes >> 20) +
               " MB; a failed input never stops the others.\n"
               "Exit status: 0 when every input converted, 1 when any failed, 2 for a usage error,\n"
               "130 or 143 when stopped by SIGINT or SIGTERM (temporary files removed).\n"
               "Run 'noxbin2xml COMMAND --help' for the options of a command.");
    app.set_version_flag("--version", "noxbin2xml " NOXBIN2XML_VERSION);
    app.require_subcommand(1);
    app.allow_windows_style_options(false);  // "/x" is a path on every platform, never an option
    app.fallthrough();  // -q and -v also after the command
    CommonOptions common;
    app.add_flag("-q,--quiet", common.quiet, "no progress line and no summaries");
    app.add_flag("-v,--verbose", common.verbose, "one line for each input converted");
    ChosenCommand chosen;
    addConvertCommand(app, RecordKind::Light, common, chosen);
    addConvertCommand(app, RecordKind::Material, common, chosen);

    auto* scene = app.add_subcommand("scene", "Read scene records: the options document and one document per library material");
    std::vector<std::string> sceneFiles;
    WriteChoices sceneChoices;
    scene->add_option("FILE", sceneFiles, "scene record files or folders (- for standard input)");
    scene->add_option("-o,--output", sceneChoices.output, "output folder")->required();
    addWriteOptions(*scene, sceneChoices);
    scene->footer("Writes DIR/options.xml (what serialize_to_xml returns after old_deserialize) and\n"
                  "DIR/materials/NAME.xml (what convert_material returns for each library material).\n"
                  "Several inputs get a folder each under DIR. The scene upgrade does not run.");
    scene->callback([&] {
        chosen = {&sceneFiles, [&] {
                      if (sceneFiles.empty()) return usageError("scene needs a FILE");
                      return sceneCommand(sceneFiles, sceneChoices, common);
                  }};
    });

    auto* explain = app.add_subcommand("explain", "Show what a record holds, or where and why it does not convert");
    std::string kindArg;
    std::vector<std::string> rest;
    explain->add_option("KIND", kindArg, "light, material or scene")->required();
    explain->add_option("ARGS", rest, "TYPE FILE... (light, material) or FILE... (scene); TYPE may be \"auto\"");
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
    explain->callback([&] { chosen = {&rest, [&] { return explainCommand(kindArg, rest, html, page); }}; });

    // "--" ends the options: every argument after it is a FILE, even "-q-3.rec".
    const auto end = std::find(arguments.begin() + std::min<long>(1, static_cast<long>(arguments.size())), arguments.end(), "--");
    const std::vector<std::string> options(arguments.begin(), end);
    if (const std::string problem = unknownCommand(options); !problem.empty()) return usageError(problem);
    platform::removeOnStopSignals();
    try {
        std::vector<const char*> pointers;
        for (const std::string& argument : options) pointers.push_back(argument.c_str());
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : kUsageError;  // --help and --version are no errors
    }
    if (!chosen.run) return kUsageError;
    if (end != arguments.end()) chosen.files->insert(chosen.files->end(), end + 1, arguments.end());
    return chosen.run();
}
