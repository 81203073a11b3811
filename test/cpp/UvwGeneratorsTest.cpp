#include <gtest/gtest.h>

#include "serial/AssetXmlWriter.h"
#include "serial/QuickArchive.h"
#include "textures/BitmapBuffer.h"
#include "textures/UvwGenerators.h"

using namespace KilnCore;

namespace {

Transform sampleTransform(float base) {
    Transform t;
    for (int i = 0; i < 3; ++i) t.matrix.e[i] = {base + 3 * i, base + 3 * i + 1, base + 3 * i + 2};
    t.offset = {base + 9, base + 10, base + 11};
    return t;
}

template <class T>
std::shared_ptr<T> roundTrip(T& original) {
    QuickArchive ar;
    EXPECT_TRUE(original.serialize(ar));
    auto back = std::make_shared<T>();
    EXPECT_TRUE(back->deserialize(ar));
    EXPECT_EQ(ar.readPos(), ar.writePos());
    return back;
}

std::string xmlOf(TessarXMLSerializable& object, const std::string& parentUrl = "") {
    std::string out;
    AssetXmlWriter writer(out);
    object.writeXML(writer, parentUrl);
    return out;
}

}  // namespace

TEST(UvwFactories, CreateKnownIdsOnly) {
    for (int32_t id : {0, 1, 3, 4}) {
        auto uvw = createUVW(id);
        ASSERT_TRUE(uvw) << id;
        EXPECT_EQ(uvw->typeId(), id);
        EXPECT_EQ(uvw->category(), "uvw");
    }
    EXPECT_EQ(createUVW(0)->pluginType(), "UVWGenPlanarWorld");
    EXPECT_EQ(createUVW(1)->pluginType(), "UVWGenObject");
    EXPECT_EQ(createUVW(3)->pluginType(), "UVWGenEnvironment");
    EXPECT_EQ(createUVW(4)->pluginType(), "UVWGenChannel");
    EXPECT_FALSE(createUVW(2));
    EXPECT_FALSE(createUVW(-1));
    EXPECT_FALSE(createUVW(5));

    ASSERT_TRUE(createBitmap(0));
    EXPECT_EQ(createBitmap(0)->pluginType(), "BitmapBuffer");
    EXPECT_EQ(createBitmap(0)->category(), "bitmap");
    EXPECT_FALSE(createBitmap(1));
    EXPECT_FALSE(createBitmap(-1));
}

TEST(UvwGenerators, RoundTripCloneAndCompare) {
    GenChannelUVW channel;
    channel.uvwComponents.z_rotation = 30;
    channel.texComponents.x_scale = 2;
    channel.texComponents.y_mirror = 2;
    channel.wrap_u = 1;
    channel.uvw_channel = 3;
    channel.updateMatrices();
    auto channelBack = roundTrip(channel);
    EXPECT_TRUE(channelBack->isEqual(channel.clone()));
    EXPECT_EQ(channelBack->texComponents.y_mirror, 2);
    EXPECT_EQ(channelBack->tex_transform.matrix.e[0].x, 2.0f);

    GenEnvironmentUVW environment;
    environment.mapping_type = 0;
    environment.uvwComponents.y_rotation = 45;
    environment.updateMatrices();
    EXPECT_TRUE(roundTrip(environment)->isEqual(environment.clone()));

    GenPlanarWorldUVW planar;
    planar.uvwComponents.x_offset = 4;
    planar.updateMatrices();
    EXPECT_EQ(planar.uvw_transform.offset.x, 4.0f);
    EXPECT_TRUE(roundTrip(planar)->isEqual(planar.clone()));

    GenObjectUVW object;
    object.uvw_transform = sampleTransform(1);
    EXPECT_TRUE(roundTrip(object)->isEqual(object.clone()));

    // Different classes with equal fields, and a single differing field.
    EXPECT_FALSE(GenObjectUVW().isEqual(std::make_shared<GenPlanarWorldUVW>()));
    EXPECT_FALSE(GenObjectUVW().isEqual(nullptr));
    auto changed = std::static_pointer_cast<GenChannelUVW>(channel.clone());
    changed->wrap_v = 1;
    EXPECT_FALSE(channel.isEqual(changed));
    changed = std::static_pointer_cast<GenChannelUVW>(channel.clone());
    changed->texComponents.y_mirror = 1;  // still mirrored, but a different flag value
    EXPECT_FALSE(channel.isEqual(changed));
}

TEST(UvwGenerators, ChannelVersionOneLandsInTextureComponents) {
    QuickArchive ar;
    ar.writeUInt32(0x00010000);
    ar.writeTransform(sampleTransform(1));
    ar.writeTransform(sampleTransform(20));
    ar.writeFloat(30);  // texture x rotation
    ar.writeFloat(45);  // texture y rotation
    ar.writeInt32(1);   // texture x mirror
    ar.writeInt32(2);   // texture y mirror
    ar.writeInt32(1);   // wrap_u
    ar.writeInt32(0);   // wrap_v
    ar.writeInt32(3);   // uvw_channel
    ar.writeUInt32(0xDEADBEEF);

    GenChannelUVW channel;
    channel.uvwComponents.x_scale = 5;
    ASSERT_TRUE(channel.deserialize(ar));
    EXPECT_EQ(ar.readPos(), 4u + 2 * 48 + 7 * 4);  // two floats, five integers
    EXPECT_EQ(channel.uvw_transform, sampleTransform(1));
    EXPECT_EQ(channel.tex_transform, sampleTransform(20));
    EXPECT_EQ(channel.texComponents.x_rotation, 30.0f);
    EXPECT_EQ(channel.texComponents.y_rotation, 45.0f);
    EXPECT_EQ(channel.texComponents.z_rotation, 0.0f);
    EXPECT_EQ(channel.texComponents.x_mirror, 1);
    EXPECT_EQ(channel.texComponents.y_mirror, 2);
    EXPECT_EQ(channel.wrap_u, 1);
    EXPECT_EQ(channel.wrap_v, 0);
    EXPECT_EQ(channel.uvw_channel, 3);
    EXPECT_EQ(channel.uvwComponents.x_scale, 5.0f);  // untouched by the old layout
}

TEST(UvwGenerators, EnvironmentVersionOneReadsZThenX) {
    QuickArchive ar;
    ar.writeUInt32(0x00010000);
    ar.writeMatrix(sampleTransform(1).matrix);
    ar.writeInt32(1);
    ar.writeFloat(10);  // z rotation
    ar.writeFloat(20);  // x rotation
    ar.writeInt32(3);   // z mirror
    ar.writeInt32(4);   // x mirror

    GenEnvironmentUVW environment;
    ASSERT_TRUE(environment.deserialize(ar));
    EXPECT_EQ(ar.readPos(), ar.writePos());
    EXPECT_EQ(environment.uvw_matrix, sampleTransform(1).matrix);
    EXPECT_EQ(environment.mapping_type, 1);
    EXPECT_EQ(environment.uvwComponents.z_rotation, 10.0f);
    EXPECT_EQ(environment.uvwComponents.x_rotation, 20.0f);
    EXPECT_EQ(environment.uvwComponents.y_rotation, 0.0f);
    EXPECT_EQ(environment.uvwComponents.z_mirror, 3);
    EXPECT_EQ(environment.uvwComponents.x_mirror, 4);
}

TEST(UvwGenerators, RejectedRecords) {
    auto read = [](BaseUVW& uvw, auto write) {
        QuickArchive ar;
        write(ar);
        return uvw.deserialize(ar);
    };
    for (int32_t id : {0, 1, 3, 4}) {
        EXPECT_FALSE(read(*createUVW(id), [](QuickArchive& ar) { ar.writeUInt32(0x00010001); })) << id;
        EXPECT_FALSE(read(*createUVW(id), [](QuickArchive& ar) { ar.writeUInt32(0x00030000); })) << id;
    }
    // A components record with a wrong version fails the owner.
    EXPECT_FALSE(read(*createUVW(0), [](QuickArchive& ar) {
        ar.writeUInt32(0x00010000);
        ar.writeTransform(Transform());
        ar.writeUInt32(0x00020000);
    }));
    // A mapping type without a name.
    for (int32_t mapping : {-1, 4}) {
        EXPECT_FALSE(read(*createUVW(3), [&](QuickArchive& ar) {
            ar.writeUInt32(0x00020000);
            ar.writeMatrix(Matrix3());
            ar.writeInt32(mapping);
            TransformComponents().serialize(ar);
        })) << mapping;
    }
    // The object generator starts from its defaults even when the version
    // is rejected; the planar one reads onto what it holds.
    GenObjectUVW object;
    object.uvwComponents.x_scale = 3;
    GenPlanarWorldUVW planar;
    planar.uvwComponents.x_scale = 3;
    EXPECT_FALSE(read(object, [](QuickArchive& ar) { ar.writeUInt32(0x00020000); }));
    EXPECT_FALSE(read(planar, [](QuickArchive& ar) { ar.writeUInt32(0x00020000); }));
    EXPECT_EQ(object.uvwComponents.x_scale, 1.0f);
    EXPECT_EQ(planar.uvwComponents.x_scale, 3.0f);
}

TEST(UvwGenerators, XmlFollowsTheComponents) {
    GenChannelUVW channel;
    channel.texComponents.x_offset = 7;  // no updateMatrices: the writer recomputes
    const std::string xml = xmlOf(channel, "/M/tex");
    EXPECT_EQ(xml.find("  <Asset layout=\"\" renderer=\"kiln\" type=\"uvw\" url=\"/M/tex/UVWGenChannel\" >\n"), 0u);
    EXPECT_NE(xml.find("<kilnplugin name=\"/M/tex/UVWGenChannel\" type=\"UVWGenChannel\">"), std::string::npos);
    EXPECT_NE(xml.find("              <vector>\n"
                       "                <x>7</x>\n"
                       "                <y>0</y>\n"
                       "                <z>0</z>\n"
                       "              </vector>\n"
                       "            </value>\n"),
              std::string::npos);
    EXPECT_EQ(channel.tex_transform.offset.x, 7.0f);

    GenEnvironmentUVW environment;
    environment.mapping_type = 3;
    EXPECT_NE(xmlOf(environment)
                  .find("name=\"mapping_type\" handler=\"default\" listType=\"none\" "
                        "label=\"mapping_type\">\n            <value>mirror_ball</value>\n"),
              std::string::npos);
    environment.mapping_type = 9;  // only code can set this; it has no name
    EXPECT_NE(xmlOf(environment).find("<value></value>"), std::string::npos);
    EXPECT_NE(xmlOf(environment).find("type=\"componentMatrix\" name=\"uvw_matrix\""), std::string::npos);
}

TEST(BitmapBuffer, RoundTripAndCaseInsensitiveFile) {
    BitmapBuffer buffer;
    buffer.file = "C:\\Maps\\Brick.PNG";
    buffer.filter_type = 2;
    buffer.filter_blur = 0.5f;
    buffer.gamma = 2.2f;
    auto back = roundTrip(buffer);
    EXPECT_EQ(back->file, buffer.file);
    EXPECT_TRUE(back->isEqual(buffer.clone()));

    auto other = std::static_pointer_cast<BitmapBuffer>(buffer.clone());
    other->file = "c:\\maps\\brick.png";
    EXPECT_TRUE(buffer.isEqual(other));
    other->gamma = 1.0f;
    EXPECT_FALSE(buffer.isEqual(other));

    QuickArchive ar;
    ar.writeUInt32(0x00020000);
    EXPECT_FALSE(BitmapBuffer().deserialize(ar));
}
