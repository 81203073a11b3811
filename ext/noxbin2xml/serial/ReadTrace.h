// An optional record of what a read did: which classes were read at which
// offsets, with their record versions, names and nested children, and where
// and why a read failed. Readers report to it through RecordScope; with no
// trace attached to the archive nothing is recorded.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace KilnCore {

class ReadTrace {
public:
    struct Node {
        std::string className;
        uint64_t offset = 0;
        std::optional<uint32_t> version;
        std::vector<std::pair<std::string, std::string>> notes;
        bool failed = false;
        uint64_t failureOffset = 0;
        std::string failure;
        std::vector<std::unique_ptr<Node>> children;
    };

    ReadTrace();

    void enter(std::string_view className, uint64_t offset);
    void leave();
    void setVersion(uint32_t version);
    void note(std::string_view key, std::string value);
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

    // An indented tree of everything read, one record per line.
    std::string treeText() const;

private:
    Node root_;
    std::vector<Node*> stack_;
};

}  // namespace KilnCore
