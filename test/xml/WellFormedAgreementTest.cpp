// The writer's verdict on well-formedness against a real XML parser
// (libxml2), on every sample and on hostile text in every place where record
// text reaches a document; and every repaired document parses.
#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "Conversions.h"
#include "RecordInput.h"
#include "materials/BaseMaterial.h"

using namespace noxbin2xml;
namespace fs = std::filesystem;

namespace {

// Light assets are a sequence of elements: they are parsed inside a root.
bool libxmlAccepts(const std::string& document) {
    const std::string wrapped = "<root>" + document + "</root>";
    xmlDocPtr doc = xmlReadMemory(wrapped.data(), static_cast<int>(wrapped.size()), "doc.xml", nullptr,
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    xmlFreeDoc(doc);
    return doc != nullptr;
}

using Write = std::function<void(AssetXmlWriter&, const std::string&)>;

// Every writer operation that takes text from a record.
const std::vector<std::pair<const char*, Write>> kPlaces = {
    {"asset url", [](AssetXmlWriter& w, const std::string& t) { w.beginAsset(t, "material", ""); w.endAsset(); }},
    {"plugin name", [](AssetXmlWriter& w, const std::string& t) { w.beginPlugin(t, "texture"); w.endPlugin(); }},
    {"string", [](AssetXmlWriter& w, const std::string& t) { w.writeStringParam("s", t); }},
    {"file", [](AssetXmlWriter& w, const std::string& t) { w.writeFileParam("f", t); }},
    {"list entry", [](AssetXmlWriter& w, const std::string& t) {
         w.beginListParam("l", "string");
         w.writeListEntry(t);
         w.endListParam();
     }},
    {"material reference", [](AssetXmlWriter& w, const std::string& t) {
         auto material = KilnCore::createMaterial(0);
         material->name = t;
         w.writePluginParam("m", material.get(), "/base&");
     }},
};

const char* const kHostile[] = {
    "plain", "a\"b", "a<b", "a>b", "a]]>b", "a&b", "a&amp;b", "&lt;&gt;&quot;&apos;", "&foo;", "a&lt",
    "&#38;", "&#x41;", "&#X41;", "&#;", "&#x;", "&#1;", "&#0;", "&#xFFFE;", "&#1114111;", "&#1114112;",
    "&#99999999999;", "\x01", "\x1f", "\t\n\r", "\x7f\xc2\x80\xc2\x9f", "\xc3\xa9", "\xc3", "\xef\xbf\xbe",
    "\xef\xbf\xbf", "\xef\xbf\xbd", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xf0\x9f\x98\x80", "\xc0\xaf", "\xff",
    // Markup in record text: well-formed on its own or not.
    "<?pi x?><b/><!--c-->", "<b>x<i a='1' c=\"&amp;\">y</i></b>", "<![CDATA[<&]]>", "<\xc3\xa9t\xc3\xa9/>", "<?xml v?>",
    "<?XmL?>", "<?pi\x01?>", "<!--a--b-->", "<!--a--->", "<b>", "</b>", "<b></c>", "<b a='<'/>", "<b a='1' a='2'/>",
    "<b a=1/>", "<ba='1'/>", "<!DOCTYPE x>", "<b>&nope;</b>", "<b>\x01</b>", "<b>]]></b>", "<1/>", "<!-- - -->",
};

std::string written(const Write& write, const std::string& text, KilnCore::DocumentChecks& checks) {
    const KilnCore::DocumentCheckScope scope(checks);
    std::string out;
    AssetXmlWriter writer(out);
    writer.beginElement("Assets");
    write(writer, text);
    writer.endElement("Assets");
    return out;
}

}  // namespace

TEST(WellFormedAgreement, HostileTextInEveryPlace) {
    for (const auto& [place, write] : kPlaces) {
        for (const std::string text : kHostile) {
            KilnCore::DocumentChecks exact, repair;
            repair.repair = true;
            const std::string document = written(write, text, exact);
            EXPECT_EQ(exact.malformedCount == 0, libxmlAccepts(document)) << place << ": " << document;
            EXPECT_TRUE(libxmlAccepts(written(write, text, repair))) << place << ": " << text;
            EXPECT_EQ(exact.malformedCount, repair.malformedCount) << place << ": " << text;
        }
    }
}

TEST(WellFormedAgreement, EverySample) {
    size_t checked = 0;
    for (const std::string folder : {"lights", "materials", "scenes"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(NOXBIN2XML_SAMPLES_DIR) / folder)) {
            std::vector<uint8_t> bytes;
            std::string error, stem = entry.path().stem().string();
            ASSERT_TRUE(loadRecordFile(entry.path(), bytes, error)) << entry.path();
            std::vector<std::string> documents;
            MalformedNotes notes;
            if (folder == "scenes") {
                const SceneOutcome scene = convertScene(bytes);
                documents.push_back(scene.optionsXml);
                for (const auto& material : scene.materials) documents.push_back(material.second);
                notes = scene.malformed;
            } else {
                const RecordKind kind = folder == "lights" ? RecordKind::Light : RecordKind::Material;
                const Outcome outcome = convertRecord(kind, std::stoi(stem.substr(stem.rfind('-') + 1)), bytes);
                documents.push_back(outcome.text);
                notes = outcome.malformed;
            }
            EXPECT_EQ(notes.count == 0, std::all_of(documents.begin(), documents.end(), libxmlAccepts)) << entry.path();
            ++checked;
        }
    }
    EXPECT_GE(checked, 40u);  // the folders were found
}
