#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Conversions.h"
#include "FileNames.h"
#include "OutputPlan.h"
#include "Outputs.h"
#include "RecordInput.h"
#include "SceneFolder.h"
#include "TerminalText.h"

using namespace noxbin2xml;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> sampleBytes(const std::string& relative) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(loadRecordFile(fs::path(NOXBIN2XML_SAMPLES_DIR) / relative, bytes, error)) << relative << error;
    return bytes;
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// A scene changes the default sun and fills the library; the next input
// still converts as in a freshly loaded module: the old sky, which falls back
// to the default sun, shows the default one, and a kind-1 scene (options
// only) finds no library.
TEST(ToolConversions, EveryInputStartsFromAFreshModuleState) {
    const auto oldSky = sampleBytes("materials/override-environment-old-sky-8.rec");
    const Outcome skyAlone = convertRecord(RecordKind::Material, 8, oldSky);
    ASSERT_TRUE(skyAlone.ok);

    for (const char* scene : {"scenes/kind3-sun.rec", "scenes/kind6-current.rec"}) {
        ASSERT_TRUE(convertScene(sampleBytes(scene)).ok) << scene;
        EXPECT_EQ(convertRecord(RecordKind::Material, 8, oldSky).text, skyAlone.text) << scene;
    }
    const SceneOutcome options = convertScene(sampleBytes("scenes/kind1-options.rec"));
    EXPECT_TRUE(options.materials.empty());
    EXPECT_EQ(options.summary, "scene kind 1 (options)");
}

TEST(ToolConversions, FailuresAreChainsAndUnknownTypesAreNamed) {
    const Outcome bump = convertRecord(RecordKind::Material, 3, sampleBytes("broken/bump-bad-uvw-3.rec"));
    EXPECT_FALSE(bump.ok);
    EXPECT_EQ(bump.error, "MaterialBump @0x9: nested texture failed\nBitmapTexture @0x11: unknown UVW type 2\n");
    EXPECT_EQ(convertRecord(RecordKind::Light, 1, sampleBytes("lights/omni-2.rec")).error, "unknown light type 1\n");
}

TEST(FileNames, EveryPlatformTakesTheNameAndCaseKeysMatchAcrossScripts) {
    const std::pair<std::string, std::string> names[] = {
        {"a/b:c*d|e", "a_b_c_d_e"}, {"tab\there", "tab_here"}, {"bad \xFF byte", "bad _ byte"},
        {"..", "__"}, {"", "_"}, {"Glass. ", "Glass__"}, {"CON", "_CON"}, {"nul.old", "_nul.old"},
        {"Aux  .x", "_Aux  .x"}, {"com7", "_com7"}, {"LPT¹", "_LPT¹"}, {"COM10", "COM10"},
        {"CONSOLE", "CONSOLE"}, {"Ärger", "Ärger"},
        {std::string(119, 'x') + "é", std::string(119, 'x')},  // not cut inside é
    };
    for (const auto& [name, expected] : names) EXPECT_EQ(fileNameFor(name), expected) << name;

    const std::pair<std::string, std::string> sameFile[] = {
        {"Ärger.XML", "äRGER.xml"}, {"ΣΊΣΥΦΟΣ", "σίσυφος"}, {"Жук", "жУК"},
        {"ı", "I"}, {"\u212A", "k"} /* Kelvin sign */, {"ſ", "S"}, {"𐐀", "𐐨"} /* Deseret */,
        {"Straße", "STRASSE"}, {"\u1E9E", "ss"}, {"\uFB01", "FI"},              // full case folding
        {"\u00E9tude", "E\u0301TUDE"}, {"\uD55C", "\u1112\u1161\u11AB"},      // composed and decomposed
        {"a\u0323\u0301", "A\u0301\u0323"}, {"\u1E69", "s\u0307\u0323"},     // marks in any order
    };
    for (const auto& [a, b] : sameFile) EXPECT_EQ(nameKey(a), nameKey(b)) << a << " " << b;
    EXPECT_NE(nameKey("é"), nameKey("e"));
    EXPECT_NE(nameKey("\xE9"), nameKey("é"));  // a stray byte is no character
}

TEST(SceneFolder, CollidingNamesGetNumbersAndAFailureLeavesNothing) {
    const fs::path dir = fs::temp_directory_path() / ("noxbin2xml-scene-" + processToken());
    fs::remove_all(dir);
    SceneOutcome scene;
    scene.optionsXml = "<Assets/>";
    scene.materials = {
        {"Wall/North", "1"}, {"wall_north", "2"}, {"Glass", "3"}, {"ärger", "4"}, {"ÄRGER", "5"},
        {"\u00E9tude", "6"}, {"e\u0301tude", "7"}, {"Maß", "8"}, {"MASS", "9"}};
    std::string error;
    const InputFiles noInputs(InputList{});
    ASSERT_TRUE(writeSceneFolder(dir / "ok", scene, noInputs, error)) << error;
    EXPECT_EQ(readText(dir / "ok" / "materials" / "Wall_North.xml"), "1");
    EXPECT_EQ(readText(dir / "ok" / "materials" / "wall_north-2.xml"), "2");
    EXPECT_EQ(readText(dir / "ok" / "materials" / fs::u8path("ÄRGER-2.xml")), "5");
    EXPECT_EQ(readText(dir / "ok" / "materials" / fs::u8path("e\u0301tude-2.xml")), "7");
    EXPECT_EQ(readText(dir / "ok" / "materials" / "MASS-2.xml"), "9");
    EXPECT_EQ(readText(dir / "ok" / "options.xml"), "<Assets/>");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "ok"), fs::directory_iterator()), 2);  // no staging left

    fs::create_directories(dir / "blocked");
    std::ofstream(dir / "blocked" / "materials") << "a file where the folder should be";
    EXPECT_FALSE(writeSceneFolder(dir / "blocked", scene, noInputs, error));
    EXPECT_NE(error.find("materials"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "blocked"), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(TerminalText, ControlsAndStrayBytesShowAsBytesAndLinesFit) {
    EXPECT_EQ(printable("a\x1B]0;t\x07\n\t\x7F\xFF\u009B\u202Eé"),
              "a\\x1B]0;t\\x07\\x0A\\x09\\x7F\\xFF\\xC2\\x9B\\xE2\\x80\\xAEé");
    EXPECT_EQ(printable("one\ntwo\r", true), "one\ntwo\\x0D");
    EXPECT_EQ(fittedTo("été", 2), "ét");
    EXPECT_EQ(fittedTo("é", 3), "é  ");
}

// The plan keeps outputs off inputs by identity (a hard link is the input
// under another name), and finds a file where a folder must go and names
// that one file system takes for one before anything is written.
TEST(OutputPlan, ComparesPlacesByIdentityAndNamesByKey) {
    const fs::path dir = fs::temp_directory_path() / ("noxbin2xml-plan-" + processToken());
    fs::remove_all(dir);
    fs::create_directories(dir / "in");
    fs::create_directories(dir / "out" / "Sub");
    std::ofstream(dir / "in" / "x-2.rec") << "record";
    std::ofstream(dir / "out" / "file") << "a file where a folder must go";
    fs::create_hard_link(dir / "in" / "x-2.rec", dir / "out" / "x-2.xml");
    const std::pair<const char*, const char*> cases[] = {
        {"x-2.rec", "would replace an input"},
        {"file/y-2.rec", "file: it is a file, not a folder"},
        {"Sub/z-2.rec", ""},
        {"sub/z-2.rec", "is already the output of"},  // an existing folder, a name that differs in case
        {"Stra\u00dfe-2.rec", ""},
        {"STRASSE-2.rec", "(the names differ only in letter case or Unicode normalization)"},
    };
    InputList list;
    for (const auto& [relative, error] : cases) list.inputs.push_back({dir / "in" / "x-2.rec", fs::u8path(relative), {}, {}});
    planOutputs(list, {OutputTarget::Kind::Folder, dir / "out"}, ".xml", InputFiles(list));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string& error = list.inputs[i].error;
        EXPECT_EQ(error.empty(), *cases[i].second == '\0') << cases[i].first << ": " << error;
        EXPECT_NE(error.find(cases[i].second), std::string::npos) << cases[i].first << ": " << error;
    }
    EXPECT_EQ(readText(dir / "out" / "x-2.xml"), "record");
    fs::remove_all(dir);
}
