// An optional record of what a read did: which classes were read at which
// offsets, with their record versions, the fields each read (name, offset,
// size, the version that added the field, the value as short text) and
// nested children, and where and why a read failed. Readers report to it
// through RecordScope and the record engine; with no trace attached to the
// archive nothing is recorded and no value is turned into text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace KilnCore {

// An offset as traces and failure chains print it: "@0x1f".
std::string hexOffset(uint64_t offset);

class ReadTrace {
public:
    struct FieldRead {
        std::string name;
        uint64_t offset = 0;
        uint64_t size = 0;
        uint16_t since = 0;     // the first record version that holds the field
        std::string_view type;  // its encoding: "int32", "float32", "text", "record", ...
        std::string value;
    };

    struct Node {
        std::string className;
        uint64_t offset = 0;
        std::optional<uint32_t> version;
        std::vector<FieldRead> fields;
        bool failed = false;
        uint64_t failureOffset = 0;
        std::string failure;
        std::vector<std::unique_ptr<Node>> children;
    };

    ReadTrace();

    void enter(std::string_view className, uint64_t offset);
    void leave();
    void setVersion(uint32_t version);
    // A field of the current record, once read.
    void field(std::string_view name, uint64_t offset, uint64_t size, uint16_t since, std::string_view type,
               std::string value);
    void fail(uint64_t offset, std::string reason);
    // Marks the most recent child of the current record as failed unless it
    // already gave its own reason.
    void failLastChild(uint64_t offset, std::string reason);

    // Top-level records read through this trace.
    const std::vector<std::unique_ptr<Node>>& records() const { return root_.children; }

    // The failed records from the outermost to the innermost, one line each:
    // "MaterialBump @0x1a4: nested texture failed".
    std::vector<const Node*> failureChain() const;
    std::string failureText() const;

    // An indented tree of everything read: a line per record, its fields
    // below it ("color @0x4 = 1 0.85 0.6"), and the records a field holds
    // below that field.
    std::string treeText() const;

private:
    Node root_;
    std::vector<Node*> stack_;
};

}  // namespace KilnCore
