// noxbin2xml: converts and explains the plug-in's old binary records outside
// the host application.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <iterator>

#include "Batch.h"
#include "Conversions.h"
#include "RecordInput.h"
#include "lights/BaseLight.h"
#include "materials/BaseMaterial.h"

namespace fs = std::filesystem;
using namespace noxbin2xml;

namespace {

bool loadInput(const Input& input, std::vector<uint8_t>& bytes, std::string& error) {
    if (input.path != "-") return loadRecordFile(input.path, bytes, error);
    const std::string data((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    if (looksLikeText(data)) return parseRecordText(data, bytes, error);
    bytes.assign(data.begin(), data.end());
    if (bytes.empty()) error = "standard input is empty";
    return !bytes.empty();
}

// One line for a batch report: the failure chain joined.
std::string oneLine(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    for (size_t pos; (pos = text.find('\n')) != std::string::npos;) text.replace(pos, 1, " / ");
    return text;
}

// Where the output of an input goes: standard output for a single input
// without -o, the file -o names, or a file under the folder -o names.
struct OutputTarget {
    std::string option;
    bool many = false;

    bool toStdout() const { return option.empty(); }
    fs::path pathFor(const Input& input, const std::string& extension) const {
        const fs::path out(option);
        if (!many && !fs::is_directory(out)) return out;
        return out / fs::path(input.relative).replace_extension(extension);
    }
};

JobResult writeOutput(const OutputTarget& target, const Input& input, const std::string& text) {
    if (target.toStdout()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return {true, {}};
    }
    const fs::path path = target.pathFor(input, ".xml");
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    std::string error;
    if (!writeFileAtomically(path, text, error)) return {false, error};
    return {true, {}};
}

int convertCommand(RecordKind kind, int32_t type, const std::vector<std::string>& files, const std::string& output) {
    std::vector<Input> inputs;
    std::string error;
    if (!expandInputs(files.empty() ? std::vector<std::string>{"-"} : files, inputs, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    OutputTarget target{output, inputs.size() > 1};
    if (target.many && target.toStdout()) {
        std::fprintf(stderr, "several inputs need an output folder (-o DIR)\n");
        return 2;
    }
    return runBatch(inputs, [&](const Input& input) -> JobResult {
        std::vector<uint8_t> bytes;
        std::string loadError;
        if (!loadInput(input, bytes, loadError)) return {false, loadError};
        const Outcome outcome = convertRecord(kind, type, bytes);
        if (!outcome.ok) return {false, oneLine(outcome.error)};
        return writeOutput(target, input, outcome.text);
    });
}

// A material name as a file name: path separators and other characters that
// file systems refuse become '_'.
std::string fileNameFor(const std::string& name) {
    std::string out = name.empty() ? "_" : name;
    for (char& c : out)
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|')
            c = '_';
    if (out == "." || out == "..") out = "_";
    return out;
}

int sceneCommand(const std::vector<std::string>& files, const std::string& output) {
    std::vector<Input> inputs;
    std::string error;
    if (!expandInputs(files, inputs, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    const bool many = inputs.size() > 1;
    return runBatch(inputs, [&](const Input& input) -> JobResult {
        std::vector<uint8_t> bytes;
        std::string loadError;
        if (!loadInput(input, bytes, loadError)) return {false, loadError};
        const SceneOutcome scene = convertScene(bytes);
        if (!scene.ok) return {false, oneLine(scene.error)};
        const fs::path folder = many ? fs::path(output) / fs::path(input.relative).replace_extension() : fs::path(output);
        std::error_code ec;
        fs::create_directories(folder / "materials", ec);
        std::string writeError;
        if (!writeFileAtomically(folder / "options.xml", scene.optionsXml, writeError)) return {false, writeError};
        for (const auto& [name, document] : scene.materials)
            if (!writeFileAtomically(folder / "materials" / (fileNameFor(name) + ".xml"), document, writeError))
                return {false, writeError};
        return {true, scene.summary + " -> " + folder.string()};
    });
}

int explainCommand(const std::string& kindName, const std::vector<std::string>& rest) {
    RecordKind kind;
    if (kindName == "light") kind = RecordKind::Light;
    else if (kindName == "material") kind = RecordKind::Material;
    else if (kindName == "scene") kind = RecordKind::Scene;
    else {
        std::fprintf(stderr, "unknown record kind '%s' (light, material or scene)\n", kindName.c_str());
        return 2;
    }
    const size_t wanted = kind == RecordKind::Scene ? 1 : 2;
    if (rest.size() != wanted) {
        std::fprintf(stderr, kind == RecordKind::Scene ? "usage: explain scene FILE\n" : "usage: explain %s TYPE FILE\n",
                     kindName.c_str());
        return 2;
    }
    int32_t type = 0;
    if (wanted == 2) {
        try {
            type = std::stoi(rest[0]);
        } catch (const std::exception&) {
            std::fprintf(stderr, "TYPE must be a number, not '%s'\n", rest[0].c_str());
            return 2;
        }
    }
    std::vector<uint8_t> bytes;
    std::string error;
    if (!loadInput({rest.back(), rest.back()}, bytes, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const Outcome outcome = explainRecord(kind, type, bytes);
    if (!outcome.ok) std::printf("does not convert:\n%s\nread:\n", outcome.error.c_str());
    std::fputs(outcome.text.c_str(), stdout);
    return outcome.ok ? 0 : 1;
}

bool knownType(RecordKind kind, int32_t type) {
    return kind == RecordKind::Light ? KilnCore::createLight(type) != nullptr
                                     : KilnCore::createMaterial(type) != nullptr;
}

void addConvertCommand(CLI::App& app, const char* name, const char* help, RecordKind kind, int& status) {
    auto* command = app.add_subcommand(name, help);
    auto type = std::make_shared<int32_t>();
    auto files = std::make_shared<std::vector<std::string>>();
    auto output = std::make_shared<std::string>();
    command->add_option("TYPE", *type, std::string("the ") + name + " type number")->required();
    command->add_option("FILE", *files, "record files or folders; standard input when none");
    command->add_option("-o,--output", *output, "output file, or folder for several inputs");
    command->callback([=, &status] {
        if (!knownType(kind, *type)) {
            std::fprintf(stderr, "unknown %s type %d\n", name, *type);
            status = 2;
            return;
        }
        status = convertCommand(kind, *type, *files, *output);
    });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Converts the plug-in's old binary records to XML assets, and explains records that do not convert.\n"
                 "Records are raw bytes or the textual form [12, 0, 3, ...] (detected automatically)."};
    app.require_subcommand(1);
    int status = 0;

    addConvertCommand(app, "light", "Convert light records (what convert_light returns)", RecordKind::Light, status);
    addConvertCommand(app, "material", "Convert material records (what convert_material returns)",
                      RecordKind::Material, status);

    auto* scene = app.add_subcommand("scene", "Read scene records: the options document and one document per material");
    std::vector<std::string> sceneFiles;
    std::string sceneOutput;
    scene->add_option("FILE", sceneFiles, "scene record files or folders")->required();
    scene->add_option("-o,--output", sceneOutput, "output folder")->required();
    scene->callback([&] { status = sceneCommand(sceneFiles, sceneOutput); });

    auto* explain = app.add_subcommand("explain", "Show what a record holds, or where and why it does not convert");
    std::string kindName;
    std::vector<std::string> rest;
    explain->add_option("KIND", kindName, "light, material or scene")->required();
    explain->add_option("ARGS", rest, "TYPE FILE (light, material) or FILE (scene)")->required();
    explain->callback([&] { status = explainCommand(kindName, rest); });

    CLI11_PARSE(app, argc, argv);
    return status;
}
