#include <gtest/gtest.h>

#include <sstream>

#include "materials/BRDFs.h"

using namespace KilnCore;

namespace {

std::string xmlOf(Base_BRDF& brdf, const std::string& parentUrl = "/Mat") {
    std::string out;
    AssetXmlWriter w(out);
    brdf.writeXML(w, parentUrl);
    return out;
}

std::string between(const std::string& line, const std::string& open, const std::string& close) {
    const size_t a = line.find(open);
    if (a == std::string::npos) return {};
    const size_t b = line.find(close, a + open.size());
    return line.substr(a + open.size(), b - a - open.size());
}

// The parameters of one asset as "name:type=value" (component values joined
// by commas), in document order; the writer's own text is tested elsewhere.
std::vector<std::string> parameters(const std::string& xml) {
    std::vector<std::string> out;
    std::istringstream in(xml);
    std::string line, current, values;
    while (std::getline(in, line)) {
        if (line.find("<parameter ") != std::string::npos) {
            current = between(line, "name=\"", "\"") + ":" + between(line, "type=\"", "\"") + "=";
            values.clear();
        } else if (line.find("</parameter>") != std::string::npos) {
            out.push_back(current + values);
        } else if (line.find("<value>") != std::string::npos && line.find("</value>") != std::string::npos) {
            values = between(line, "<value>", "</value>");
        } else {
            for (const char* tag : {"r", "g", "b"}) {
                const std::string v = between(line, std::string("<") + tag + ">", std::string("</") + tag + ">");
                if (!v.empty()) values += (values.empty() ? "" : ",") + v;
            }
        }
    }
    return out;
}

}  // namespace

TEST(BRDFXml, DiffuseAssetIsExact) {
    Diffuse_BRDF diffuse;
    diffuse.name = "Base Coat";
    diffuse.color = {0.2f, 0.4f, 1};
    diffuse.use_color_tex_alpha_as_transparency = true;
    EXPECT_EQ(xmlOf(diffuse, "/Brick"),
              "  <Asset layout=\"\" renderer=\"kiln\" type=\"BRDF\" url=\"/Brick/Base Coat\" >\n"
              "    <plugin>\n"
              "      <kilnplugin name=\"BRDFDiffuse\" type=\"BRDF\">\n"
              "        <parameters>\n"
              "          <parameter type=\"color\" name=\"color\" handler=\"default\" listType=\"none\" label=\"color\">\n"
              "            <value>\n"
              "              <r>0.2</r>\n"
              "              <g>0.4</g>\n"
              "              <b>1</b>\n"
              "            </value>\n"
              "          </parameter>\n"
              "          <parameter type=\"color\" name=\"transparency\" handler=\"default\" listType=\"none\" label=\"transparency\">\n"
              "            <value>\n"
              "              <r>0</r>\n"
              "              <g>0</g>\n"
              "              <b>0</b>\n"
              "            </value>\n"
              "          </parameter>\n"
              "          <parameter type=\"float\" name=\"color_tex_mult\" handler=\"default\" listType=\"none\" label=\"color_tex_mult\">\n"
              "            <value>1</value>\n"
              "          </parameter>\n"
              "          <parameter type=\"float\" name=\"transparency_tex_mult\" handler=\"default\" listType=\"none\" label=\"transparency_tex_mult\">\n"
              "            <value>1</value>\n"
              "          </parameter>\n"
              "          <parameter type=\"plugin\" name=\"color_tex\" handler=\"default\" listType=\"none\" label=\"color_tex\">\n"
              "          </parameter>\n"
              "          <parameter type=\"plugin\" name=\"transparency_tex\" handler=\"default\" listType=\"none\" label=\"transparency_tex\">\n"
              "          </parameter>\n"
              "          <parameter type=\"bool\" name=\"use_color_tex_alpha_as_transparency\" handler=\"default\" listType=\"none\" label=\"use_color_tex_alpha_as_transparency\">\n"
              "            <value>1</value>\n"
              "          </parameter>\n"
              "        </parameters>\n"
              "      </kilnplugin>\n"
              "    </plugin>\n"
              "  </Asset>\n");
}

TEST(BRDFXml, GlassParametersInOrder) {
    Glass_BRDF glass;
    glass.affect_shadows = 3;
    glass.extraFloat1 = 9;
    const std::string xml = xmlOf(glass);
    EXPECT_EQ(xml.substr(0, xml.find('\n')),
              "  <Asset layout=\"\" renderer=\"kiln\" type=\"BRDF\" url=\"/Mat/BRDFRefraction\" >");
    EXPECT_NE(xml.find("<kilnplugin name=\"BRDFRefraction\" type=\"BRDF\">"), std::string::npos);
    EXPECT_EQ(parameters(xml),
              (std::vector<std::string>{
                  "color:color=1,1,1", "transparency:color=0,0,0", "fog_color:color=1,1,1",
                  "translucency:color=1,1,1", "affect_shadows:bool=1", "affect_alpha:bool=0",
                  "translucency_on:bool=0", "ior:float=1.55", "fog_color_mult:float=1", "glossiness:float=1",
                  "glossiness_tex_mult:float=1", "ior_tex_mult:float=1", "translucency_tex_mult:float=1",
                  "scatter_coeff:float=0", "scatter_direction:float=1", "thickness:float=1000",
                  "transparency_tex_mult:float=1", "cutoff:float=0.001", "color_tex_mult:float=1",
                  "subdivs:integer=8", "transparency_tex:plugin=", "color_tex:plugin=", "glossiness_tex:plugin=",
                  "ior_texture:plugin=", "translucency_tex:plugin="}));
}

TEST(BRDFXml, ReflectionParametersInOrder) {
    Phong_BRDF phong;
    phong.name = "Gloss";
    phong.subdivs = 24;
    phong.anisotropy = 0.25f;
    phong.transparency_tex = nullptr;
    const std::string xml = xmlOf(phong);
    EXPECT_NE(xml.find("url=\"/Mat/Gloss\""), std::string::npos);
    EXPECT_NE(xml.find("<kilnplugin name=\"BRDFReflection\" type=\"BRDF\">"), std::string::npos);
    EXPECT_EQ(parameters(xml), (std::vector<std::string>{
        "color:color=1,1,1", "transparency:color=1,1,1", "hilightGlossiness:float=1",
        "reflectionGlossiness:float=1", "cutoff:float=0.01", "subdivs:integer=24", "back_side:integer=0",
        "color_tex_mult:float=1", "hilightGlossiness_tex_mult:float=1", "reflectionGlossiness_tex_mult:float=1",
        "transparency_tex_mult:float=1", "anisotropy:float=0.25", "anisotropy_rotation:float=0",
        "color_tex:plugin=", "hilightGlossiness_tex:plugin=", "reflectionGlossiness_tex:plugin=",
        "transparency_tex:plugin="}));

    // Blinn differs only in its type identifier.
    Blinn_BRDF blinn;
    blinn.name = "Gloss";
    blinn.subdivs = 24;
    blinn.anisotropy = 0.25f;
    blinn.transparency_tex = nullptr;
    EXPECT_EQ(xmlOf(blinn), xml);
    EXPECT_NE(blinn.typeId(), phong.typeId());
    EXPECT_FALSE(blinn.isEqual(phong.clone()));

    Mirror_BRDF mirror;
    mirror.transparency_tex = nullptr;
    mirror.extraInt1 = 77;
    EXPECT_EQ(parameters(xmlOf(mirror)), (std::vector<std::string>{
        "color:color=1,1,1", "transparency:color=1,1,1", "color_tex_mult:float=1", "transparency_tex_mult:float=1",
        "cutoff:float=0.01", "transparency_tex:plugin=", "color_tex:plugin="}));
}

TEST(BRDFXml, LightWritesItsIntegerSwitchAsBool) {
    Light_BRDF light;
    light.doubleSided = 7;
    light.intensity = 1500000;
    EXPECT_EQ(parameters(xmlOf(light)), (std::vector<std::string>{
        "color:color=1,1,1", "transparency:color=0,0,0", "intensity:float=1.5e+006",
        "transparency_tex_mult:float=1", "color_tex_mult:float=1", "doubleSided:bool=1", "color_tex:plugin=",
        "transparency_tex:plugin="}));
    light.doubleSided = 0;
    EXPECT_NE(xmlOf(light).find("name=\"doubleSided\" handler=\"default\" listType=\"none\" label=\"doubleSided\">\n"
                                "            <value>0</value>"),
              std::string::npos);
}
