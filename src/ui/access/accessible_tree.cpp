#include "ui/access/accessible_tree.h"

#include <cmath>

namespace {

using Kind = AccessibleChange::Kind;

bool same_elements(const AccessibleTree& a, const AccessibleTree& b) {
    if (a.language != b.language || a.children.size() != b.children.size()) return false;
    for (size_t i = 0; i < a.children.size(); ++i)
        if (a.children[i].automation_id != b.children[i].automation_id || a.children[i].role != b.children[i].role)
            return false;
    return true;
}

AccessibleChange number_change(Kind kind, int index, double before, double after) {
    AccessibleChange c;
    c.kind = kind;
    c.index = index;
    c.old_number = before;
    c.new_number = after;
    return c;
}

double announced(const AccessibleRange& range) {
    if (!(range.announce_step > 0)) return range.value;
    return std::trunc(range.value / range.announce_step);
}

void node_changes(const AccessibleNode& before, const AccessibleNode& after, int index,
                  std::vector<AccessibleChange>& out) {
    if (before.name != after.name) {
        AccessibleChange c;
        c.kind = Kind::name;
        c.index = index;
        c.old_text = before.name;
        c.new_text = after.name;
        out.push_back(std::move(c));
    }
    if (before.enabled != after.enabled)
        out.push_back(number_change(Kind::enabled, index, before.enabled, after.enabled));
    if (before.toggled && after.toggled && *before.toggled != *after.toggled)
        out.push_back(number_change(Kind::toggle, index, *before.toggled, *after.toggled));
    if (before.range && after.range) {
        const AccessibleRange& b = *before.range;
        const AccessibleRange& a = *after.range;
        if (b.read_only != a.read_only) out.push_back(number_change(Kind::read_only, index, b.read_only, a.read_only));
        if (b.maximum != a.maximum) out.push_back(number_change(Kind::maximum, index, b.maximum, a.maximum));
        if (announced(b) != announced(a)) out.push_back(number_change(Kind::value, index, b.value, a.value));
    }
}

}  // namespace

std::vector<AccessibleChange> accessible_changes(const AccessibleTree& before, const AccessibleTree& after) {
    std::vector<AccessibleChange> out;
    if (!same_elements(before, after)) {
        out.push_back(AccessibleChange{});  // structure, on the root
        // Elements that cannot be paired are read afresh by the reader anyway.
        if (before.children.size() != after.children.size()) return out;
    }
    node_changes(before.root, after.root, -1, out);
    for (size_t i = 0; i < after.children.size(); ++i)
        node_changes(before.children[i], after.children[i], static_cast<int>(i), out);
    return out;
}

int accessible_child_at(const AccessibleTree& tree, int32_t x, int32_t y) {
    for (size_t i = 0; i < tree.children.size(); ++i) {
        const AccessibleNode& node = tree.children[i];
        if (!node.offscreen && node.rect.contains(x, y)) return static_cast<int>(i);
    }
    return -1;
}
