#include "qtcef/src/runtime/value_node.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace qtcef {

namespace {

// Recursive, as a node's destructor may run inside another value method;
// never destroyed, as values may outlive static destruction.
std::recursive_mutex& ValuesMutex() {
  static std::recursive_mutex* mutex = new std::recursive_mutex;
  return *mutex;
}

std::shared_ptr<ValueNode> CopyNode(const ValueNode& node,
                                    bool exclude_empty_children);

void Kill(ValueNode& node) {
  node.alive = false;
  ClearNode(node);
}

bool IsEmptyContainer(const ValueNode& node) {
  return (node.type == VTYPE_DICTIONARY && node.entries.empty()) ||
         (node.type == VTYPE_LIST && node.items.empty());
}

// Copies |slot| into |out|; false when |out| is an empty dictionary or list
// that |exclude_empty_children| drops.
bool CopyChild(const ValueSlot& slot,
               bool exclude_empty_children,
               ValueSlot* out) {
  *out = slot;
  if (!slot.node)
    return true;
  out->node = CopyNode(*slot.node, exclude_empty_children);
  return !exclude_empty_children || !IsEmptyContainer(*out->node);
}

// Whether |node| is |tree| or lies below it.
bool Contains(const ValueNode& tree, const ValueNode& node) {
  if (&tree == &node)
    return true;
  auto holds = [&node](const ValueSlot& slot) {
    return slot.node && Contains(*slot.node, node);
  };
  return std::any_of(tree.items.begin(), tree.items.end(), holds) ||
         std::any_of(
             tree.entries.begin(), tree.entries.end(),
             [&holds](const auto& entry) { return holds(entry.second); });
}

// A deep copy of |node|; with |exclude_empty_children| without the
// dictionaries and lists below it that are, or become, empty.
std::shared_ptr<ValueNode> CopyNode(const ValueNode& node,
                                    bool exclude_empty_children) {
  auto copy = std::make_shared<ValueNode>(node.type);
  copy->bytes = node.bytes;
  ValueSlot child;
  for (const auto& entry : node.entries) {
    if (CopyChild(entry.second, exclude_empty_children, &child))
      copy->entries.emplace(entry.first, std::move(child));
  }
  for (const ValueSlot& item : node.items) {
    if (CopyChild(item, exclude_empty_children, &child))
      copy->items.push_back(std::move(child));
  }
  return copy;
}

bool NodesEqual(const ValueNode& a, const ValueNode& b) {
  if (!a.alive || !b.alive || a.type != b.type || a.bytes != b.bytes ||
      a.entries.size() != b.entries.size() ||
      a.items.size() != b.items.size()) {
    return false;
  }
  auto same_entry = [](const auto& x, const auto& y) {
    return x.first == y.first && SlotsEqual(x.second, y.second);
  };
  return std::equal(a.entries.begin(), a.entries.end(), b.entries.begin(),
                    same_entry) &&
         std::equal(a.items.begin(), a.items.end(), b.items.begin(),
                    SlotsEqual);
}

}  // namespace

ValueNode::~ValueNode() {
  ScopedValuesLock lock;
  ClearNode(*this);
}

ScopedValuesLock::ScopedValuesLock() {
  ValuesMutex().lock();
}

ScopedValuesLock::~ScopedValuesLock() {
  ValuesMutex().unlock();
}

ValueSlot BoolSlot(bool value) {
  ValueSlot slot;
  slot.type = VTYPE_BOOL;
  slot.bool_value = value;
  return slot;
}

ValueSlot IntSlot(int value) {
  ValueSlot slot;
  slot.type = VTYPE_INT;
  slot.int_value = value;
  return slot;
}

ValueSlot DoubleSlot(double value) {
  ValueSlot slot;
  slot.type = VTYPE_DOUBLE;
  slot.double_value = value;
  return slot;
}

ValueSlot StringSlot(const CefString& value) {
  ValueSlot slot;
  slot.type = VTYPE_STRING;
  slot.string_value = value;
  return slot;
}

ValueSlot NodeSlot(std::shared_ptr<ValueNode> node) {
  ValueSlot slot;
  slot.type = node->type;
  slot.node = std::move(node);
  return slot;
}

double DoubleOf(const ValueSlot& slot) {
  return slot.type == VTYPE_INT ? slot.int_value : slot.double_value;
}

const ValueSlot& MissingSlot() {
  static const ValueSlot* missing = [] {
    auto* slot = new ValueSlot;
    slot->type = VTYPE_INVALID;
    return slot;
  }();
  return *missing;
}

NodeRef NewRoot(CefValueType type) {
  NodeRef ref;
  ref.node = std::make_shared<ValueNode>(type);
  return ref;
}

void ClearNode(ValueNode& node) {
  // Emptied first, so that the node is already empty while its children die.
  std::map<std::string, ValueSlot> entries = std::move(node.entries);
  std::vector<ValueSlot> items = std::move(node.items);
  node.entries.clear();
  node.items.clear();
  node.bytes.clear();
  for (auto& entry : entries)
    ReleaseSlot(entry.second);
  for (ValueSlot& item : items)
    ReleaseSlot(item);
}

void ReleaseSlot(ValueSlot& slot) {
  if (slot.node)
    Kill(*slot.node);
}

void ReplaceSlot(ValueSlot& target, ValueSlot slot) {
  ValueSlot old = std::move(target);
  target = std::move(slot);
  ReleaseSlot(old);
}

ValueSlot CopySlot(const ValueSlot& slot) {
  ValueSlot copy;
  CopyChild(slot, false, &copy);
  return copy;
}

std::shared_ptr<ValueNode> AdoptNode(const NodeRef& ref,
                                     const ValueNode& container) {
  if (!ref.owned && Contains(*ref.node, container))
    return nullptr;
  std::shared_ptr<ValueNode> copy = CopyNode(*ref.node, false);
  if (!ref.owned)
    Kill(*ref.node);
  return copy;
}

bool SlotsEqual(const ValueSlot& a, const ValueSlot& b) {
  if (a.type != b.type)
    return false;
  switch (a.type) {
    case VTYPE_BOOL:
      return a.bool_value == b.bool_value;
    case VTYPE_INT:
      return a.int_value == b.int_value;
    case VTYPE_DOUBLE:
      return a.double_value == b.double_value;
    case VTYPE_STRING:
      return a.string_value == b.string_value;
    case VTYPE_BINARY:
    case VTYPE_DICTIONARY:
    case VTYPE_LIST:
      return NodesEqual(*a.node, *b.node);
    default:
      return true;
  }
}

bool RefValid(const NodeRef& ref) {
  ScopedValuesLock lock;
  return ref.node->alive;
}

bool RefOwned(const NodeRef& ref) {
  ScopedValuesLock lock;
  return ref.node->alive && ref.owned;
}

bool RefsSame(const NodeRef& a, const NodeRef& b) {
  ScopedValuesLock lock;
  return a.node == b.node && a.node->alive;
}

bool RefsEqual(const NodeRef& a, const NodeRef& b) {
  ScopedValuesLock lock;
  return NodesEqual(*a.node, *b.node);
}

std::shared_ptr<ValueNode> RefCopy(const NodeRef& ref,
                                   bool exclude_empty_children) {
  ScopedValuesLock lock;
  if (!ref.node->alive)
    return nullptr;
  return CopyNode(*ref.node, exclude_empty_children);
}

}  // namespace qtcef
