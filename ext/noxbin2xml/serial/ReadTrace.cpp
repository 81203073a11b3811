#include "serial/ReadTrace.h"

#include <cstdio>

namespace KilnCore {

std::string hexOffset(uint64_t offset) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "@0x%llx", static_cast<unsigned long long>(offset));
    return buf;
}

namespace {

void appendField(std::string& out, const ReadTrace::FieldRead& field, int depth) {
    out.append(2 * depth, ' ');
    out += field.name + ' ' + hexOffset(field.offset);
    if (!field.value.empty()) out += " = " + field.value;
    out += '\n';
}

void appendTree(std::string& out, const ReadTrace::Node& node, int depth) {
    out.append(2 * depth, ' ');
    out += node.className + ' ' + hexOffset(node.offset);
    if (node.version) out += " v" + std::to_string(*node.version);
    if (node.failed) out += "  FAILED " + hexOffset(node.failureOffset) + ": " + node.failure;
    out += '\n';
    // Fields and nested records in record order; a record lies inside the
    // field that holds it and is shown below that field.
    const ReadTrace::FieldRead* holder = nullptr;
    size_t nextField = 0;
    for (const auto& child : node.children) {
        for (; nextField < node.fields.size() && node.fields[nextField].offset <= child->offset; ++nextField) {
            holder = &node.fields[nextField];
            appendField(out, *holder, depth + 1);
        }
        const bool held = holder && child->offset < holder->offset + holder->size;
        appendTree(out, *child, depth + (held ? 2 : 1));
    }
    for (; nextField < node.fields.size(); ++nextField) appendField(out, node.fields[nextField], depth + 1);
}

}  // namespace

ReadTrace::ReadTrace() { stack_.push_back(&root_); }

void ReadTrace::enter(std::string_view className, uint64_t offset) {
    auto node = std::make_unique<Node>();
    node->className = std::string(className);
    node->offset = offset;
    Node* raw = node.get();
    stack_.back()->children.push_back(std::move(node));
    stack_.push_back(raw);
}

void ReadTrace::leave() {
    if (stack_.size() > 1) stack_.pop_back();
}

void ReadTrace::setVersion(uint32_t version) { stack_.back()->version = version; }

void ReadTrace::field(std::string_view name, uint64_t offset, uint64_t size, uint16_t since, std::string_view type,
                      std::string value) {
    stack_.back()->fields.push_back({std::string(name), offset, size, since, type, std::move(value)});
}

void ReadTrace::fail(uint64_t offset, std::string reason) {
    Node* node = stack_.back();
    if (node->failed) return;  // keep the first reason a record gave
    node->failed = true;
    node->failureOffset = offset;
    node->failure = std::move(reason);
}

void ReadTrace::failLastChild(uint64_t offset, std::string reason) {
    auto& children = stack_.back()->children;
    if (children.empty() || children.back()->failed) return;
    children.back()->failed = true;
    children.back()->failureOffset = offset;
    children.back()->failure = std::move(reason);
}

std::vector<const ReadTrace::Node*> ReadTrace::failureChain() const {
    std::vector<const Node*> chain;
    const Node* node = &root_;
    for (;;) {
        const Node* next = nullptr;
        for (const auto& child : node->children)
            if (child->failed) next = child.get();  // the last failed child is the one that ended the read
        if (!next) break;
        chain.push_back(next);
        node = next;
    }
    return chain;
}

std::string ReadTrace::failureText() const {
    std::string out;
    for (const Node* node : failureChain())
        out += node->className + ' ' + hexOffset(node->failureOffset) + ": " + node->failure + '\n';
    return out;
}

std::string ReadTrace::treeText() const {
    std::string out;
    for (const auto& record : root_.children) appendTree(out, *record, 0);
    return out;
}

}  // namespace KilnCore
