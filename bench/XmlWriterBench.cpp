// Our XML writer against what a C++ developer would pick instead: libxml2's
// xmlTextWriter, writing the same light asset byte for byte.
//
// Both writers are driven by one template writing the light's parameters,
// so they do the same work; before timing, the program checks that
// the template on our writer gives exactly what convert_light returns, and
// that libxml2 gives exactly the same bytes. Numbers are formatted by the
// same function for both, so the comparison is about writing XML.
#include <benchmark/benchmark.h>
#include <libxml/xmlwriter.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchRecords.h"
#include "lights/LightConversion.h"
#include "lights/SpotLight.h"
#include "serial/AssetXmlWriter.h"
#include "serial/NumberFormat.h"

using namespace KilnCore;

namespace {

// The asset text through libxml2. Indentation and line ends go through the
// raw-text call; the Asset start tag ends in " >", which xmlTextWriter cannot
// write, so that tag is raw text with the URL escaped by the writer.
class LibxmlAssetWriter {
public:
    LibxmlAssetWriter() : buffer_(xmlBufferCreate()), writer_(xmlNewTextWriterMemory(buffer_, 0)) {}
    ~LibxmlAssetWriter() {
        xmlFreeTextWriter(writer_);
        xmlBufferFree(buffer_);
    }
    LibxmlAssetWriter(const LibxmlAssetWriter&) = delete;
    LibxmlAssetWriter& operator=(const LibxmlAssetWriter&) = delete;

    // The finished text, left in the writer's buffer.
    std::string_view finish() {
        xmlTextWriterFlush(writer_);
        return {reinterpret_cast<const char*>(xmlBufferContent(buffer_)), static_cast<size_t>(xmlBufferLength(buffer_))};
    }

    void beginAsset(const std::string& url, const char* type, const char* layout) {
        indent(++depth_);
        xmlTextWriterWriteFormatRaw(writer_, "<Asset layout=\"%s\" renderer=\"kiln\" type=\"%s\" url=\"", layout, type);
        xmlTextWriterWriteString(writer_, x(url.c_str()));
        raw("\" >\n");
    }
    void endAsset() {
        indent(depth_--);
        raw("</Asset>\n");
    }
    void beginPlugin(const char* name, const char* type) {
        startLine(++depth_, "plugin");
        indent(++depth_);
        xmlTextWriterStartElement(writer_, x("kilnplugin"));
        xmlTextWriterWriteAttribute(writer_, x("name"), x(name));
        xmlTextWriterWriteAttribute(writer_, x("type"), x(type));
        raw("\n");
    }
    void endPlugin() {
        endLine(depth_--);
        endLine(depth_--);
    }
    void beginParameters() {
        startLine(depth_ + 1, "parameters");
        depth_ += 2;
    }
    void endParameters() {
        endLine(depth_ - 1);
        depth_ -= 2;
    }

    void writeFloatParam(const char* name, float value) { valueParam("float", name, number(value), nullptr, false); }
    void writeIntParam(const char* name, int32_t value) {
        valueParam("integer", name, std::to_string(value), nullptr, false);
    }
    void writeBoolParam(const char* name, bool value, const char* label = nullptr, bool isUserData = false) {
        valueParam("bool", name, value ? "1" : "0", label, isUserData);
    }
    void writeColorParam(const char* name, const Color& c) {
        beginParam("color", name, nullptr, false);
        startLine(depth_, "value");
        element(depth_ + 1, "r", number(c.r));
        element(depth_ + 1, "g", number(c.g));
        element(depth_ + 1, "b", number(c.b));
        endLine(depth_);
        endParam();
    }
    void writeTransformParam(const char* name, const Transform& t) {
        beginParam("transform", name, nullptr, false);
        startLine(depth_, "value");
        for (const Vector3& v : t.matrix.e) vector(depth_ + 1, v);
        vector(depth_ + 1, t.offset);
        endLine(depth_);
        endParam();
    }

private:
    static const xmlChar* x(const char* text) { return reinterpret_cast<const xmlChar*>(text); }
    static std::string number(float value) {
        char text[kMaxFloatText];
        return std::string(text, writeFloat(text, value));
    }

    void raw(const char* text) { xmlTextWriterWriteRaw(writer_, x(text)); }
    void indent(int depth) {
        static const char spaces[] = "                                                                ";
        if (depth > 0) xmlTextWriterWriteRawLen(writer_, x(spaces), 2 * depth);
    }
    void startLine(int depth, const char* name) {
        indent(depth);
        xmlTextWriterStartElement(writer_, x(name));
        raw("\n");
    }
    void endLine(int depth) {
        indent(depth);
        xmlTextWriterEndElement(writer_);
        raw("\n");
    }
    void element(int depth, const char* name, const std::string& text) {
        indent(depth);
        xmlTextWriterWriteElement(writer_, x(name), x(text.c_str()));
        raw("\n");
    }
    void vector(int depth, const Vector3& v) {
        startLine(depth, "vector");
        element(depth + 1, "x", number(v.x));
        element(depth + 1, "y", number(v.y));
        element(depth + 1, "z", number(v.z));
        endLine(depth);
    }
    void beginParam(const char* type, const char* name, const char* label, bool isUserData) {
        indent(depth_);
        xmlTextWriterStartElement(writer_, x("parameter"));
        xmlTextWriterWriteAttribute(writer_, x("type"), x(type));
        xmlTextWriterWriteAttribute(writer_, x("name"), x(name));
        xmlTextWriterWriteAttribute(writer_, x("handler"), x("default"));
        xmlTextWriterWriteAttribute(writer_, x("listType"), x("none"));
        if (isUserData) xmlTextWriterWriteAttribute(writer_, x("isUserData"), x("1"));
        xmlTextWriterWriteAttribute(writer_, x("label"), x(label ? label : name));
        raw("\n");
        ++depth_;
    }
    void endParam() { endLine(--depth_); }
    void valueParam(const char* type, const char* name, const std::string& text, const char* label, bool isUserData) {
        beginParam(type, name, label, isUserData);
        element(depth_, "value", text);
        endParam();
    }

    xmlBufferPtr buffer_;
    xmlTextWriterPtr writer_;
    int depth_ = 0;
};

// Our writer with the same calls as the libxml2 one.
struct OurWriter {
    std::string text;
    AssetXmlWriter writer{text};
};

// The spot light's asset as the light itself writes it: its parameters in
// the order of its layout, then the legacy-mode flag (checked against
// convert_light before timing).
template <class W>
void writeSpotLight(W& w, const SpotLight& l) {
    w.beginAsset("/LightSpot", "light", "");
    w.beginPlugin("LightSpot", "light");
    w.beginParameters();
    w.writeColorParam("color", l.color);
    w.writeColorParam("shadowColor", l.shadowColor);
    for (const auto& [name, value] : {std::pair{"cutoffThreshold", l.cutoffThreshold}, {"barnDoorLeft", l.barnDoorLeft},
                                      {"barnDoorRight", l.barnDoorRight}, {"barnDoorTop", l.barnDoorTop},
                                      {"barnDoorBottom", l.barnDoorBottom}, {"shadowBias", l.shadowBias},
                                      {"decay", l.decay}, {"intensity", l.intensity},
                                      {"shadowRadius", l.shadowRadius}, {"coneAngle", l.coneAngle},
                                      {"penumbraAngle", l.penumbraAngle}})
        w.writeFloatParam(name, value);
    w.writeIntParam("units", l.units);
    for (const auto& [name, value] : {std::pair{"photonSubdivs", l.photonSubdivs},
                                      {"causticSubdivs", l.causticSubdivs}, {"shadowSubdivs", l.shadowSubdivs}})
        w.writeIntParam(name, static_cast<int32_t>(value));
    for (const auto& [name, value] : {std::pair{"enabled", l.enabled}, {"barnDoor", l.barnDoor},
                                      {"shadows", l.shadows}, {"affectDiffuse", l.affectDiffuse},
                                      {"affectSpecular", l.affectSpecular}})
        w.writeBoolParam(name, value);
    w.writeTransformParam("transform", l.transform);
    w.writeBoolParam("legacyMode", true, "Legacy Mode", true);
    w.endParameters();
    w.endPlugin();
    w.endAsset();
}

const SpotLight& benchLight() {
    static const SpotLight light = [] {
        const std::vector<uint8_t> bytes = bench::lightRecord();
        QuickArchive archive(bytes.data(), bytes.size());
        SpotLight read;
        if (!read.deserialize(archive)) std::abort();
        return read;
    }();
    return light;
}

std::string convertedText() {
    const std::vector<uint8_t> bytes = bench::lightRecord();
    QuickArchive archive(bytes.data(), bytes.size());
    std::string xml;
    if (!convertLightRecord(archive, bench::kRepresentativeLightType, xml)) std::abort();
    return xml;
}

bool sameText(const char* what, const std::string& got, const std::string& expected) {
    if (got == expected) return true;
    std::fprintf(stderr, "%s does not write the converted text (%zu bytes, expected %zu)\n", what, got.size(),
                 expected.size());
    return false;
}

void BM_OurWriter(benchmark::State& state) {
    const SpotLight& light = benchLight();
    for (auto _ : state) {
        OurWriter w;
        writeSpotLight(w.writer, light);
        benchmark::DoNotOptimize(w.text.data());
    }
}
BENCHMARK(BM_OurWriter);

void BM_LibxmlTextWriter(benchmark::State& state) {
    const SpotLight& light = benchLight();
    for (auto _ : state) {
        LibxmlAssetWriter w;
        writeSpotLight(w, light);
        benchmark::DoNotOptimize(w.finish().data());
    }
}
BENCHMARK(BM_LibxmlTextWriter);

}  // namespace

int main(int argc, char** argv) {
    const std::string expected = convertedText();
    OurWriter ours;
    writeSpotLight(ours.writer, benchLight());
    LibxmlAssetWriter theirs;
    writeSpotLight(theirs, benchLight());
    if (!sameText("our writer driven by the benchmark", ours.text, expected) ||
        !sameText("libxml2's xmlTextWriter", std::string(theirs.finish()), expected))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
