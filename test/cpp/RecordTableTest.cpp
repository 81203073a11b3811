// Records and what reading them gives, as data: golden/records.txt holds one
// case per block, a record spelled primitive by primitive and what the read
// must give (see the head of that file). This driver runs them all.
#include <gtest/gtest.h>

#include "Golden.h"
#include "MaterialTestSupport.h"
#include "RecordBuilder.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "lights/BaseLight.h"
#include "materials/BRDFs.h"
#include "materials/SceneMaterials.h"
#include "options/AllOptions.h"
#include "serial/ReadTrace.h"
#include "textures/BaseTexture.h"

using namespace KilnCore;

namespace {

// A case: its kind and type, and its keys with their values ("record" and
// "before" lines joined by spaces, "field" lines by line ends).
struct Case {
    int line = 0;
    std::string kind;
    int32_t type = 0;
    std::map<std::string, std::string> keys;

    bool has(const std::string& key) const { return keys.count(key) != 0; }
    std::string operator[](const std::string& key) const { return has(key) ? keys.at(key) : ""; }
};

Transform namedTransform(const std::string& name) {
    Transform t;
    if (name == "turned") {  // a quarter turn about z, moved to (10, 20, 30)
        t.matrix.e[0] = {0, 1, 0};
        t.matrix.e[1] = {-1, 0, 0};
        t.offset = {10, 20, 30};
    }
    return t;
}

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, at);) parts.push_back(part);
    return parts;
}

// Writes one token of a record (the tokens are listed at the head of records.txt).
// A text of a token: "_" for a space, "\\xNN" for the byte NN.
std::string textOf(const std::string& value) {
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value.compare(i, 2, "\\x") == 0)
            text += char(std::stoi(value.substr(i + 2, 2), nullptr, 16)), i += 3;
        else
            text += value[i] == '_' ? ' ' : value[i];
    }
    return text;
}

void writeToken(Record& r, const std::string& token) {
    const size_t colon = token.find(':');
    const std::string key = token.substr(0, colon), value = token.substr(colon + 1);
    if (key == "s") {
        r.s(textOf(value));
    } else if (key == "x") {
        r.xform(namedTransform(value));
    } else if (key == "rec") {
        if (value == "params") TessarParams().serialize(r.ar);
        if (value == "frame") TessarFrameData().serialize(r.ar);
        if (value == "stamp") TessarKFBStampInfo().serialize(r.ar);
        if (value == "camera") PhysicalCamera().serialize(r.ar);
        if (value == "diffuse") Diffuse_BRDF().serialize(r.ar);
    } else if (key == "layered") {
        r.layeredChild(textOf(value));
    } else if (key == "base") {
        r.baseMaterial(textOf(value));
    } else if (key == "z") {
        r.ar.writeBytes(std::string(std::stoul(value), '\0').data(), std::stoul(value));
    } else if (key == "anim") {
        const auto keySize = split(value, '/');
        std::vector<std::pair<double, Transform>> keys;
        for (const std::string& item : split(keySize[0], ','))
            keys.emplace_back(std::stod(item.substr(item.find('@') + 1)), namedTransform(item.substr(0, item.find('@'))));
        r.u32(0x00010000, keys.size(), keySize.size() > 1 ? std::stoul(keySize[1]) : 8);
        for (const auto& [time, t] : keys) r.ar.writeDouble(time), r.xform(t);
    } else {
        for (const std::string& item : split(value, ',')) {
            if (key == "v") r.u32(std::stoul(item) << 16 | (item.find('/') != std::string::npos ? std::stoul(item.substr(item.find('/') + 1)) : 0));
            if (key == "u") r.u32(std::stoul(item, nullptr, 0));
            if (key == "i") r.i32(std::stol(item, nullptr, 0));
            if (key == "f") r.f(std::stof(item));
            if (key == "d") r.ar.writeDouble(std::stod(item));
            if (key == "b") r.b(item == "1");
        }
    }
}

Record recordOfTokens(const std::string& tokens) {
    Record r;
    std::istringstream in(tokens);
    for (std::string token; in >> token;) writeToken(r, token);
    return r;
}

std::vector<Case> cases() {
    std::istringstream in(golden("records.txt"));
    std::vector<Case> all;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        if (line[0] != ' ') {
            all.emplace_back();
            all.back().line = number;
            std::istringstream(line) >> all.back().kind >> all.back().type;
            continue;
        }
        const size_t start = line.find_first_not_of(' '), colon = line.find(':');
        const std::string key = line.substr(start, colon - start);
        const std::string value = colon == std::string::npos ? "" : line.substr(line.find_first_not_of(' ', colon + 1));
        std::map<std::string, std::string>& keys = all.back().keys;
        keys[key] += (keys.count(key) ? (key == "field" ? "\n" : " ") : "") + value;
    }
    return all;
}

// "NAME @OFFSET SIZE vSINCE TYPE = VALUE" for every field the trace holds, depth first.
void fieldLines(const ReadTrace::Node& node, std::vector<std::string>& out) {
    for (const ReadTrace::FieldRead& f : node.fields) {
        std::ostringstream line;
        line << f.name << " @0x" << std::hex << f.offset << std::dec << ' ' << f.size << " v" << f.since << ' ' << f.type
             << " = " << f.value;
        out.push_back(line.str());
    }
    for (const auto& child : node.children) fieldLines(*child, out);
}

// An object of the case's family with the reading, writing and XML interface.
struct Object {
    std::shared_ptr<TessarSerializable> record;
    std::shared_ptr<TessarXMLSerializable> xml;
    bool inAssets = false;  // options and materials are written inside an Assets element

    std::string document(const std::string& parentUrl) const {
        std::string out;
        AssetXmlWriter writer(out);
        if (inAssets) writer.beginElement("Assets");
        xml->writeXML(writer, parentUrl);
        if (inAssets) writer.endElement("Assets");
        return out;
    }
};

template <class T>
Object made(std::shared_ptr<T> object, bool inAssets = false) {
    return {object, object, inAssets};
}

Object create(const Case& c) {
    if (c.kind == "light") return made(createLight(c.type));
    if (c.kind == "brdf") return made(createBRDF(c.type));
    if (c.kind == "texture") return made(createTexture(c.type));
    if (c.kind == "options") return made(std::make_shared<AllOptions>(), true);
    if (c.kind == "material") return made(createMaterial(c.type), true);
    if (c.kind == "params") return made(std::make_shared<TessarParams>());
    if (c.kind == "stamp") return made(std::make_shared<TessarKFBStampInfo>());
    if (c.kind == "frame") return made(std::make_shared<TessarFrameData>());
    if (c.kind == "camera") return made(std::make_shared<PhysicalCamera>());
    return made(createUVW(c.type));
}

}  // namespace

TEST(RecordTable, EveryCaseReadsAsItSays) {
    const std::vector<Case> all = cases();
    ASSERT_GT(all.size(), 30u);
    for (const Case& c : all) {
        SCOPED_TRACE("records.txt:" + std::to_string(c.line));
        SceneMaterials& library = libraryInUse();  // the names a read takes come from it
        library.reset();
        for (const std::string& name : split(c["library"], ' ')) library.addMaterial(layered(name));
        Object object = create(c), defaults = create(c);
        EXPECT_EQ(!object.record, c.has("none"));
        if (c.has("none")) continue;
        Record before = recordOfTokens(c["before"]);
        ASSERT_TRUE(!c.has("before") || object.record->deserialize(before.ar));
        const Record record = recordOfTokens(c["record"]);
        QuickArchive in = record.ar;
        ReadTrace trace;
        in.setTrace(&trace);
        EXPECT_EQ(!c.has("record") || object.record->deserialize(in), !c.has("fails"));
        std::string chain = trace.failureText();
        for (size_t at; (at = chain.find('\n')) != std::string::npos;) chain.replace(at, 1, " / ");
        EXPECT_TRUE(c["fails"].empty() || chain == c["fails"] + " / ") << chain;
        const uint64_t length = c.has("length") && c["length"] != "-" ? std::stoull(c["length"]) : in.writePos();
        EXPECT_TRUE(c.has("fails") || c["length"] == "-" || in.readPos() == length) << in.readPos();
        std::vector<std::string> fields;
        for (const auto& node : trace.records()) fieldLines(*node, fields);
        for (const std::string& line : split(c["field"], '\n'))
            EXPECT_TRUE(std::find(fields.begin(), fields.end(), line) != fields.end()) << line;
        // Written again: the record read, the fresh object's, or the one given.
        const bool rewrites = c.has("fresh") || c.has("same") || c.has("writes");
        EXPECT_EQ(rewrites ? recordOf(*object.record) : std::vector<uint8_t>(),
                  c.has("fresh") ? recordOf(*defaults.record) : bytesOf(c.has("same") ? record.ar : recordOfTokens(c["writes"]).ar));
        const std::vector<std::string> doc = split(c["doc"], ' ');
        const std::string parent = doc.size() > 1 ? doc[1] : "";
        std::string urls;
        for (const std::string& url : c.has("urls") ? assetUrls(object.document(parent)) : std::vector<std::string>())
            urls += (urls.empty() ? "" : " ") + url;
        EXPECT_EQ(urls, c["urls"]);
        EXPECT_EQ(doc.empty() ? "" : object.document(parent), doc.empty() ? "" : golden(doc[0]));
        EXPECT_EQ(c.has("changes") ? paramChanges(defaults.document(parent), object.document(parent)) : "",
                  c["changes"] == "-" ? "" : c["changes"]);
    }
    libraryInUse().reset();
}
