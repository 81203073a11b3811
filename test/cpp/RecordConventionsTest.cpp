#include <gtest/gtest.h>

#include "serial/Children.h"
#include "serial/ReadTrace.h"

using namespace KilnCore;

namespace {

// A tiny family: a node holds an optional child node, or a leaf.
struct Node : TessarSerializable {
    static constexpr const char* kFamilyNoun = "node";
    std::shared_ptr<Node> child;
    uint32_t value = 0;
    virtual int32_t typeId() const { return 1; }
    bool serialize(QuickArchive& ar) override {
        ar.writeUInt32(0x00020000);
        ar.writeUInt32(value);
        return writeOptionalChild(ar, child);
    }
    bool deserialize(QuickArchive& ar) override {
        RecordScope rec(ar, "Node");
        uint16_t version;
        if (!rec.readVersion(version, 1, 2)) return false;
        ar.readUInt32(value);
        rec.note("value", std::to_string(value));
        return readOptionalChild(rec, child);
    }
};

std::shared_ptr<Node> create(int32_t id, FamilyTag<Node>) { return id == 1 ? std::make_shared<Node>() : nullptr; }

QuickArchive chain(int depth, int32_t lastId = 1) {
    QuickArchive ar;
    for (int i = 0; i < depth; ++i) {
        ar.writeUInt32(0x00020000);
        ar.writeUInt32(static_cast<uint32_t>(i));
        ar.writeBool(i + 1 < depth);
        if (i + 1 < depth) ar.writeInt32(i + 2 == depth ? lastId : 1);
    }
    return ar;
}

}  // namespace

TEST(RecordConventions, OptionalChildrenRoundTrip) {
    Node root;
    root.value = 7;
    root.child = std::make_shared<Node>();
    root.child->value = 8;
    QuickArchive ar;
    ASSERT_TRUE(root.serialize(ar));
    Node back;
    ASSERT_TRUE(back.deserialize(ar));
    ASSERT_TRUE(back.child);
    EXPECT_EQ(back.child->value, 8u);
    EXPECT_FALSE(back.child->child);
}

TEST(RecordConventions, FailuresNameTheClassOffsetAndReason) {
    QuickArchive ar = chain(3, 9);
    ReadTrace trace;
    ar.setTrace(&trace);
    Node root;
    EXPECT_FALSE(root.deserialize(ar));
    EXPECT_EQ(trace.failureText(),
              "Node @0x9: nested node failed\n"
              "Node @0x16: unknown node type 9\n");

    const std::pair<uint32_t, const char*> words[] = {
        {0x00050000, "Node @0x0: version 5 not accepted (reads 1..2)\n"},
        {0x00010001, "Node @0x0: tag 1 not accepted (expects 0)\n"}};
    for (const auto& [word, failure] : words) {
        QuickArchive one;
        one.writeUInt32(word);
        ReadTrace wordTrace;
        one.setTrace(&wordTrace);
        EXPECT_FALSE(Node().deserialize(one));
        EXPECT_EQ(wordTrace.failureText(), failure);
    }
}

TEST(RecordConventions, TraceShowsWhatWasRead) {
    QuickArchive ar = chain(2);
    ReadTrace trace;
    ar.setTrace(&trace);
    ASSERT_TRUE(Node().deserialize(ar));
    EXPECT_EQ(trace.treeText(), "Node @0x0 v2 value=\"0\"\n  Node @0xd v2 value=\"1\"\n");
}

TEST(RecordConventions, NestingDepthIsBounded) {
    QuickArchive fine = chain(QuickArchive::kMaxDepth);
    EXPECT_TRUE(Node().deserialize(fine));
    QuickArchive deep = chain(100000);
    EXPECT_FALSE(Node().deserialize(deep));
    EXPECT_EQ(deep.depth(), 0);
}
