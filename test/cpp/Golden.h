#pragma once
// Expected documents too long to read inline live in test/cpp/golden/; the
// helpers below reduce a document to what a test compares.
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "serial/AssetXmlWriter.h"

// What an object's writeXML writes under the parent URL.
template <class Object>
std::string documentOf(Object& object, const std::string& parentUrl = "") {
    std::string out;
    AssetXmlWriter writer(out);
    object.writeXML(writer, parentUrl);
    return out;
}

inline std::string golden(const std::string& name) {
    std::ifstream in(std::string(NOXBIN2XML_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The url attributes of the assets, in document order.
inline std::vector<std::string> assetUrls(const std::string& xml) {
    std::vector<std::string> urls;
    for (size_t at = xml.find("<Asset "); at != std::string::npos; at = xml.find("<Asset ", at + 1)) {
        const size_t start = xml.find("url=\"", at) + 5;
        urls.push_back(xml.substr(start, xml.find('"', start) - start));
    }
    return urls;
}

// One entry "name:type=v1,v2,..." per parameter, in document order; the
// values are the parts of a colour, vector or transform, or the list entries.
inline std::vector<std::string> paramSummary(const std::string& xml) {
    static const std::regex header(R"re(<parameter type="(\w+)" name="(\w+)")re");
    static const std::regex value(R"re(<(?:value|entry|[rgbxyz])>([^<]*)</)re");
    std::vector<std::string> out;
    std::istringstream lines(xml);
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, m, header)) {
            out.push_back(m[2].str() + ":" + m[1].str() + "=");
        } else if (std::regex_search(line, m, value) && !out.empty()) {
            if (out.back().back() != '=') out.back() += ',';
            out.back() += m[1].str();
        }
    }
    return out;
}

// The parameters of `after` whose values differ from those of `before`, as
// "name=value" items.
inline std::string paramChanges(const std::string& before, const std::string& after) {
    const auto was = paramSummary(before), is = paramSummary(after);
    std::string out;
    for (size_t i = 0; i < is.size() && i < was.size(); ++i)
        if (is[i] != was[i])
            out += (out.empty() ? "" : " ") + is[i].substr(0, is[i].find(':')) + is[i].substr(is[i].find('='));
    return out;
}
