// The data behind cef_values.h's objects: a tree of nodes, one for each
// binary, dictionary and list, which the objects refer to. A node dies when it
// is taken out of the tree, or when the tree's top goes, and every object that
// refers to it or to a node below it turns invalid then, as CEF's do.

#ifndef QTCEF_SRC_RUNTIME_VALUE_NODE_H_
#define QTCEF_SRC_RUNTIME_VALUE_NODE_H_

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "include/cef_values.h"

namespace qtcef {

struct ValueNode;

// One value: a simple one inline, a binary, dictionary or list by its node.
// The fields that its type does not use keep their defaults, so that a
// getter of another type reads its empty value.
struct ValueSlot {
  CefValueType type = VTYPE_NULL;
  bool bool_value = false;
  int int_value = 0;
  double double_value = 0;
  CefString string_value;
  std::shared_ptr<ValueNode> node;
};

// The data of a binary (|bytes|), a dictionary (|entries|) or a list
// (|items|), alive until it leaves its tree.
struct ValueNode {
  explicit ValueNode(CefValueType type) : type(type) {}
  ~ValueNode();

  const CefValueType type;
  bool alive = true;
  std::vector<unsigned char> bytes;
  // Keyed by UTF-8, so that the keys come in the order CEF gives them.
  std::map<std::string, ValueSlot> entries;
  std::vector<ValueSlot> items;
};

// How an object reaches its node: |owned| when the node lies inside a
// dictionary or list, |read_only| when the object may not change it.
struct NodeRef {
  std::shared_ptr<ValueNode> node;
  bool owned = false;
  bool read_only = false;
};

// Held by every public method, as the objects may be used from any thread.
class ScopedValuesLock {
 public:
  ScopedValuesLock();
  ~ScopedValuesLock();

  ScopedValuesLock(const ScopedValuesLock&) = delete;
  ScopedValuesLock& operator=(const ScopedValuesLock&) = delete;
};

ValueSlot BoolSlot(bool value);
ValueSlot IntSlot(int value);
ValueSlot DoubleSlot(double value);
ValueSlot StringSlot(const CefString& value);
ValueSlot NodeSlot(std::shared_ptr<ValueNode> node);
// The value of |slot| as a double, which an int is too.
double DoubleOf(const ValueSlot& slot);

// The slot of a key or index that is not there.
const ValueSlot& MissingSlot();

// The reference to a new, independent node of |type|.
NodeRef NewRoot(CefValueType type);

// Empties |node|, killing the nodes it held.
void ClearNode(ValueNode& node);
// Takes |slot| out of its container: its node, if any, dies.
void ReleaseSlot(ValueSlot& slot);
// Puts |slot| in place of |target|, releasing what |target| held.
void ReplaceSlot(ValueSlot& target, ValueSlot slot);

// A deep copy of |slot|.
ValueSlot CopySlot(const ValueSlot& slot);
// What |container| stores for the live node of |ref|: a copy, and when |ref|
// is independent its node dies, as CEF moves independent data in and copies
// owned data. Null, with nothing changed, when independent data would move
// into a part of itself.
std::shared_ptr<ValueNode> AdoptNode(const NodeRef& ref,
                                     const ValueNode& container);

// Whether |a| and |b| hold equal data; a dead node equals nothing.
bool SlotsEqual(const ValueSlot& a, const ValueSlot& b);

// What the objects ask of their references; each takes the values lock.
bool RefValid(const NodeRef& ref);
bool RefOwned(const NodeRef& ref);
bool RefsSame(const NodeRef& a, const NodeRef& b);
bool RefsEqual(const NodeRef& a, const NodeRef& b);
// A deep copy of the node of |ref|, or null when that node is dead.
std::shared_ptr<ValueNode> RefCopy(const NodeRef& ref,
                                   bool exclude_empty_children);

}  // namespace qtcef

#endif  // QTCEF_SRC_RUNTIME_VALUE_NODE_H_
