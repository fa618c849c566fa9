// The file is read with the JSON library's event interface rather than
// into a document: only the fields an import keeps are stored, the nesting
// depth is checked at every "{" and "[" (the event parser itself keeps its
// own stack, so it never recurses), and no event throws.
#include "exchange/chromium_tree.h"

#include <exception>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

enum class Role : uint8_t { kTop, kRoots, kNode, kChildren, kIgnored };

// The keys that matter, by where they stand.
enum class Key : uint8_t {
  kUnknown,
  kRoots,
  kBar,
  kOther,
  kSynced,
  kChildren,
  kName,
  kType,
  kUrl,
  kDateAdded
};

Key KeyIn(Role role, const std::string& key) {
  switch (role) {
    case Role::kTop:
      if (key == "roots") return Key::kRoots;
      break;
    case Role::kRoots:
      if (key == "bookmark_bar") return Key::kBar;
      if (key == "other") return Key::kOther;
      if (key == "synced") return Key::kSynced;
      break;
    case Role::kNode:
      if (key == "children") return Key::kChildren;
      if (key == "name") return Key::kName;
      if (key == "type") return Key::kType;
      if (key == "url") return Key::kUrl;
      if (key == "date_added") return Key::kDateAdded;
      break;
    default:
      break;
  }
  return Key::kUnknown;
}

bool IsTextField(Key key) {
  return key == Key::kName || key == Key::kType || key == Key::kUrl || key == Key::kDateAdded;
}

// Leading decimal digits, saturating; the rest is ignored.
uint64_t ReadMicroseconds(const std::string& text) {
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    unsigned digit = static_cast<unsigned>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return UINT64_MAX;
    value = value * 10 + digit;
  }
  return value;
}

class TreeReader : public nlohmann::json_sax<Json> {
 public:
  explicit TreeReader(ChromiumTree* tree) : tree_(tree) {}

  bool SawRoots() const { return sawRoots_; }

  bool null() override { return Scalar(); }
  bool boolean(bool) override { return Scalar(); }
  bool number_integer(number_integer_t) override { return Scalar(); }
  bool number_unsigned(number_unsigned_t) override { return Scalar(); }
  bool number_float(number_float_t, const string_t&) override { return Scalar(); }
  bool binary(binary_t&) override { return Scalar(); }

  bool string(string_t& value) override {
    if (stack_.empty()) return false;
    Frame& frame = stack_.back();
    if (frame.role != Role::kNode || !IsTextField(frame.key)) return Scalar();
    ChromiumNode& node = tree_->nodes[frame.node];
    switch (frame.key) {
      case Key::kName:
        node.name = std::move(value);
        break;
      case Key::kUrl:
        node.url = std::move(value);
        break;
      case Key::kType:
        node.kind = value == "url"      ? ChromiumNode::Kind::kUrl
                    : value == "folder" ? ChromiumNode::Kind::kFolder
                                        : ChromiumNode::Kind::kOther;
        break;
      default:
        node.dateAdded = ReadMicroseconds(value);
        break;
    }
    frame.key = Key::kUnknown;
    return true;
  }

  bool key(string_t& name) override {
    Frame& frame = stack_.back();
    frame.key = frame.role == Role::kIgnored ? Key::kUnknown : KeyIn(frame.role, name);
    return true;
  }

  bool start_object(std::size_t) override {
    if (stack_.size() >= kMaxChromiumNesting) return false;
    if (stack_.empty()) return Push(Role::kTop, kNoChromiumNode);
    Frame& parent = stack_.back();
    Key key = parent.key;
    parent.key = Key::kUnknown;
    switch (parent.role) {
      case Role::kTop:
        if (key != Key::kRoots) break;
        sawRoots_ = true;
        // A later "roots" replaces an earlier one, as a later key does.
        tree_->bar = tree_->other = tree_->synced = kNoChromiumNode;
        return Push(Role::kRoots, kNoChromiumNode);
      case Role::kRoots:
        if (key == Key::kUnknown) break;
        return Push(Role::kNode, NewRoot(key));
      case Role::kChildren:
        return Push(Role::kNode, NewChild(parent));
      case Role::kNode:
        if (key != Key::kUnknown) return false;  // a known field holding an object
        break;
      case Role::kIgnored:
        break;
    }
    return Push(Role::kIgnored, kNoChromiumNode);
  }

  bool start_array(std::size_t) override {
    if (stack_.size() >= kMaxChromiumNesting || stack_.empty()) return false;
    Frame& parent = stack_.back();
    Key key = parent.key;
    parent.key = Key::kUnknown;
    if (parent.role == Role::kIgnored || key == Key::kUnknown) {
      if (parent.role == Role::kChildren) return false;  // a child that is no object
      return Push(Role::kIgnored, kNoChromiumNode);
    }
    if (key != Key::kChildren) return false;                 // "roots", a root or a text field
    tree_->nodes[parent.node].firstChild = kNoChromiumNode;  // a later "children" replaces
    return Push(Role::kChildren, parent.node);
  }

  bool end_object() override { return Pop(); }
  bool end_array() override { return Pop(); }

  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }

 private:
  struct Frame {
    Role role;
    Key key;
    uint32_t node;       // kNode: the node; kChildren: the node they belong to
    uint32_t lastChild;  // kChildren: the child appended last
  };

  bool Push(Role role, uint32_t node) {
    stack_.push_back(Frame{role, Key::kUnknown, node, kNoChromiumNode});
    return true;
  }

  bool Pop() {
    stack_.pop_back();
    return true;
  }

  // A value that is neither an object nor an array: wrong where the file
  // must hold a text field, a root, "roots" or a child, else passed over.
  bool Scalar() {
    if (stack_.empty()) return false;  // the file must hold an object
    Frame& frame = stack_.back();
    Key key = frame.key;
    frame.key = Key::kUnknown;
    if (frame.role == Role::kChildren) return false;
    if (frame.role == Role::kIgnored) return true;
    return key == Key::kUnknown;
  }

  uint32_t NewNode() {
    tree_->nodes.emplace_back();
    return static_cast<uint32_t>(tree_->nodes.size() - 1);
  }

  uint32_t NewRoot(Key key) {
    uint32_t node = NewNode();
    uint32_t& root = key == Key::kBar     ? tree_->bar
                     : key == Key::kOther ? tree_->other
                                          : tree_->synced;
    root = node;
    return node;
  }

  uint32_t NewChild(Frame& children) {
    uint32_t node = NewNode();
    if (children.lastChild == kNoChromiumNode)
      tree_->nodes[children.node].firstChild = node;
    else
      tree_->nodes[children.lastChild].nextSibling = node;
    children.lastChild = node;
    return node;
  }

  ChromiumTree* tree_;
  std::vector<Frame> stack_;
  bool sawRoots_ = false;
};

}  // namespace

bool ReadChromiumTree(std::string_view text, ChromiumTree* tree) {
  try {
    TreeReader reader(tree);
    bool parsed = Json::sax_parse(text.data(), text.data() + text.size(), &reader);
    return parsed && reader.SawRoots();
  } catch (const std::exception&) {
    return false;  // no memory
  }
}
