#include <gtest/gtest.h>

#include "Golden.h"

#include "RecordBuilder.h"

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


}  // namespace

// Mirror flags compare as whole integers; file names ignore letter case.
TEST(UvwGenerators, Comparisons) {
    auto channel = std::make_shared<GenChannelUVW>();
    channel->texComponents.y_mirror = 2;
    auto mirrored = std::static_pointer_cast<GenChannelUVW>(channel->clone());
    mirrored->texComponents.y_mirror = 1;  // still mirrored, but another flag value
    EXPECT_FALSE(channel->isEqual(mirrored));
    EXPECT_FALSE(GenObjectUVW().isEqual(std::make_shared<GenPlanarWorldUVW>()));
    EXPECT_FALSE(createBitmap(1));

    BitmapBuffer buffer;
    buffer.file = "C:\\Maps\\Brick.PNG";
    auto other = std::make_shared<BitmapBuffer>(buffer);
    other->file = "c:\\maps\\brick.png";
    EXPECT_TRUE(buffer.isEqual(other));
    other->filter_type = 0;
    EXPECT_FALSE(buffer.isEqual(other));
}

TEST(UvwGenerators, ChannelVersionOneLandsInTextureComponents) {
    // Two transforms, texture x and y rotations, x and y mirror, wrap_u, wrap_v, channel.
    Record v1;
    v1.u32(0x00010000).xform(sampleTransform(1)).xform(sampleTransform(20)).f(30, 45).i32(1, 2, 1, 0, 3);
    QuickArchive& ar = v1.ar;

    GenChannelUVW channel;
    channel.uvwComponents.x_scale = 5;
    ASSERT_TRUE(channel.deserialize(ar));
    EXPECT_EQ(ar.readPos(), ar.writePos());
    EXPECT_EQ(channel.tex_transform, sampleTransform(20));
    EXPECT_EQ(channel.texComponents.x_rotation, 30.0f);
    EXPECT_EQ(channel.texComponents.y_rotation, 45.0f);
    EXPECT_EQ(channel.texComponents.x_mirror, 1);
    EXPECT_EQ(channel.texComponents.y_mirror, 2);
    EXPECT_EQ(channel.wrap_u, 1);
    EXPECT_EQ(channel.uvw_channel, 3);
    EXPECT_EQ(channel.uvwComponents.x_scale, 5.0f);  // the old layout leaves it alone
}

TEST(UvwGenerators, EnvironmentVersionOneReadsZThenX) {
    Record v1;
    v1.u32(0x00010000);
    v1.ar.writeMatrix(sampleTransform(1).matrix);
    v1.i32(1).f(10, 20).i32(3, 4);
    GenEnvironmentUVW environment;
    ASSERT_TRUE(environment.deserialize(v1.ar));
    EXPECT_EQ(environment.mapping_type, 1);
    EXPECT_EQ(environment.uvwComponents.z_rotation, 10.0f);
    EXPECT_EQ(environment.uvwComponents.x_rotation, 20.0f);
    EXPECT_EQ(environment.uvwComponents.z_mirror, 3);
    EXPECT_EQ(environment.uvwComponents.x_mirror, 4);
}

TEST(UvwGenerators, XmlFollowsTheComponents) {
    GenChannelUVW channel;
    channel.texComponents.x_offset = 7;  // no updateMatrices: the writer recomputes
    channel.wrap_v = 1;
    channel.uvw_channel = 2;
    EXPECT_EQ(documentOf(channel, "/M/tex"), golden("channel-uvw.xml"));

    GenEnvironmentUVW environment;
    environment.mapping_type = 3;
    EXPECT_NE(documentOf(environment, "/M/tex").find("label=\"mapping_type\">\n            <value>mirror_ball</value>\n"),
              std::string::npos);
    environment.mapping_type = 9;  // only code can set this; it has no name
    EXPECT_NE(documentOf(environment, "/M/tex").find("label=\"mapping_type\">\n            <value></value>\n"), std::string::npos);
}
