#include <gtest/gtest.h>

#include "serial/Children.h"
#include "serial/Fields.h"

using namespace KilnCore;

namespace {

// A tiny family described by the record engine: a node holds a value, an
// optional child node and, from version 2 on, a float.
struct Node : TessarSerializable, TessarXMLSerializable {
    static constexpr const char* kFamilyNoun = "node";
    uint32_t value = 0;
    std::shared_ptr<Node> child;
    float later = 1.5f;

    static const RecordLayout<Node>& layout() {
        static const RecordLayout<Node> layout = RecordLayout<Node>::since(
            "Node", 1, 2,
            {{"value", &Node::value}, {"child", &Node::child, Form::Optional}, Field<Node>("later", &Node::later).addedIn(2)});
        return layout;
    }
    int32_t typeId() const { return 1; }
    void reset() { *this = Node(); }
    std::shared_ptr<Node> clone() const { return std::make_shared<Node>(*this); }
    bool isEqual(const std::shared_ptr<Node>& o) const { return o && fieldsEqual(*this, *o, layout().newest()); }
    bool serialize(QuickArchive& ar) override { return writeRecord(*this, ar, layout()); }
    bool deserialize(QuickArchive& ar) override { return readRecord(*this, ar, layout()); }
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return "Node"; }
    std::string_view category() const override { return "node"; }
};

std::shared_ptr<Node> create(int32_t id, FamilyTag<Node>) { return id == 1 ? std::make_shared<Node>() : nullptr; }

// Version-2 nodes, each holding the next; the last names `lastId`.
QuickArchive chain(int depth, int32_t lastId = 1) {
    QuickArchive ar;
    for (int i = 0; i < depth; ++i) {
        ar.writeUInt32(0x00020000);
        ar.writeUInt32(static_cast<uint32_t>(i));
        ar.writeBool(i + 1 < depth);
        if (i + 1 < depth) ar.writeInt32(i + 2 == depth ? lastId : 1);
    }
    for (int i = 0; i < depth; ++i) ar.writeFloat(static_cast<float>(i) + 0.25f);
    return ar;
}

}  // namespace

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

// Each field read is traced with its offset, size, the version that added it,
// its encoding and its value; a child's record shows below its field.
TEST(RecordConventions, TraceShowsEveryFieldRead) {
    QuickArchive ar = chain(2);
    ReadTrace trace;
    ar.setTrace(&trace);
    Node root;
    ASSERT_TRUE(root.deserialize(ar));
    EXPECT_EQ(trace.treeText(),
              "Node @0x0 v2\n"
              "  value @0x4 = 0\n"
              "  child @0x8 = type 1\n"
              "    Node @0xd v2\n"
              "      value @0x11 = 1\n"
              "      child @0x15 = none\n"
              "      later @0x16 = 0.25\n"
              "  later @0x1a = 1.25\n");
    const ReadTrace::FieldRead& later = trace.records()[0]->fields[2];
    EXPECT_EQ(later.size, 4u);
    EXPECT_EQ(later.since, 2);
    EXPECT_EQ(later.type, "float32");
    EXPECT_EQ(root.child->later, 0.25f);
}

// A version-1 record holds no float: the field keeps its default, and the
// same object written again is the newest version.
TEST(RecordConventions, OlderVersionsReadTheirOwnFields) {
    QuickArchive v1;
    v1.writeUInt32(0x00010000);
    v1.writeUInt32(7);
    v1.writeBool(false);
    Node node;
    node.later = 9;
    ASSERT_TRUE(node.deserialize(v1));
    EXPECT_EQ(node.value, 7u);
    EXPECT_EQ(node.later, 1.5f);
    QuickArchive out;
    ASSERT_TRUE(node.serialize(out));
    EXPECT_EQ(out.writePos(), 4u + 4 + 1 + 4);
}

TEST(RecordConventions, NestingDepthIsBounded) {
    QuickArchive fine = chain(QuickArchive::kMaxDepth);
    EXPECT_TRUE(Node().deserialize(fine));
    QuickArchive deep = chain(100000);
    EXPECT_FALSE(Node().deserialize(deep));
    EXPECT_EQ(deep.depth(), 0);
}
