// The file is read with the JSON library's event interface rather than
// into a document: only the fields an import keeps are stored, the nesting
// depth is checked at every "{" and "[" (and the parser runs iteratively,
// so it never recurses), and no event throws. The parser is a fast one;
// what it lets pass that a JSON file may not hold is refused here, so that
// exactly the valid files are read: text that is not UTF-8 (checked here
// per text, faster than the parser checks it per byte, and catching an
// escaped lone surrogate too) and a NUL byte, which ends its input early.
#include "exchange/chromium_tree.h"

#include <cstring>
#include <exception>

#define RAPIDJSON_HAS_STDSTRING 0
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include "platform/platform.h"

namespace {

enum class Role : uint8_t { kTop, kRoots, kNode, kChildren, kIgnored };

// The keys that matter, by where they stand.
enum class Field : uint8_t {
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

Field FieldIn(Role role, std::string_view key) {
  switch (role) {
    case Role::kTop:
      if (key == "roots") return Field::kRoots;
      break;
    case Role::kRoots:
      if (key == "bookmark_bar") return Field::kBar;
      if (key == "other") return Field::kOther;
      if (key == "synced") return Field::kSynced;
      break;
    case Role::kNode:
      if (key == "children") return Field::kChildren;
      if (key == "name") return Field::kName;
      if (key == "type") return Field::kType;
      if (key == "url") return Field::kUrl;
      if (key == "date_added") return Field::kDateAdded;
      break;
    default:
      break;
  }
  return Field::kUnknown;
}

bool IsTextField(Field key) {
  return key == Field::kName || key == Field::kType || key == Field::kUrl ||
         key == Field::kDateAdded;
}

// Leading decimal digits, saturating; the rest is ignored.
uint64_t ReadMicroseconds(std::string_view text) {
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    unsigned digit = static_cast<unsigned>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return UINT64_MAX;
    value = value * 10 + digit;
  }
  return value;
}

// Whether text is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong form, no surrogate (as an escaped lone "\\uDC00"
// decodes to), nothing beyond U+10FFFF. Runs of ASCII, nearly all of a
// bookmarks file, are passed eight bytes at a time.
bool IsUtf8(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned char* end = p + text.size();
  while (p < end) {
    if (end - p >= 8) {
      uint64_t word;
      std::memcpy(&word, p, 8);
      if ((word & 0x8080808080808080ull) == 0) {
        p += 8;
        continue;
      }
    }
    unsigned char c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (c < 0xC2 || c > 0xF4 || static_cast<size_t>(end - p) < length) return false;
    // The second byte's range depends on the first (overlong forms,
    // surrogates and code points past U+10FFFF are refused here).
    unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    if (p[1] < low || p[1] > high) return false;
    for (size_t k = 2; k < length; ++k)
      if ((p[k] & 0xC0) != 0x80) return false;
    p += length;
  }
  return true;
}

class TreeReader {
 public:
  using Ch = char;

  explicit TreeReader(ChromiumTree* tree) : tree_(tree) {}

  bool SawRoots() const { return sawRoots_; }

  bool Null() { return Scalar(); }
  bool Bool(bool) { return Scalar(); }
  bool Int(int) { return Scalar(); }
  bool Uint(unsigned) { return Scalar(); }
  bool Int64(int64_t) { return Scalar(); }
  bool Uint64(uint64_t) { return Scalar(); }
  bool Double(double) { return Scalar(); }
  bool RawNumber(const char*, rapidjson::SizeType, bool) { return Scalar(); }

  bool String(const char* text, rapidjson::SizeType length, bool) {
    std::string_view value(text, length);
    if (stack_.empty() || !IsUtf8(value)) return false;
    Frame& frame = stack_.back();
    if (frame.role != Role::kNode || !IsTextField(frame.key)) return Scalar();
    ChromiumNode& node = tree_->nodes[frame.node];
    switch (frame.key) {
      case Field::kName:
        if (!Keep(value, &node.name)) return false;
        break;
      case Field::kUrl:
        if (!Keep(value, &node.url)) return false;
        break;
      case Field::kType:
        node.kind = value == "url"      ? ChromiumNode::Kind::kUrl
                    : value == "folder" ? ChromiumNode::Kind::kFolder
                                        : ChromiumNode::Kind::kOther;
        break;
      default:
        node.dateAdded = ReadMicroseconds(value);
        break;
    }
    frame.key = Field::kUnknown;
    return true;
  }

  bool Key(const char* text, rapidjson::SizeType length, bool) {
    std::string_view name(text, length);
    if (!IsUtf8(name)) return false;
    Frame& frame = stack_.back();
    frame.key = frame.role == Role::kIgnored ? Field::kUnknown : FieldIn(frame.role, name);
    return true;
  }

  bool StartObject() {
    if (stack_.size() >= kMaxChromiumNesting) return false;
    if (stack_.empty()) return Push(Role::kTop, kNoChromiumNode);
    Frame& parent = stack_.back();
    Field key = parent.key;
    parent.key = Field::kUnknown;
    switch (parent.role) {
      case Role::kTop:
        if (key != Field::kRoots) break;
        sawRoots_ = true;
        // A later "roots" replaces an earlier one, as a later key does.
        tree_->bar = tree_->other = tree_->synced = kNoChromiumNode;
        return Push(Role::kRoots, kNoChromiumNode);
      case Role::kRoots:
        if (key == Field::kUnknown) break;
        return Push(Role::kNode, NewRoot(key));
      case Role::kChildren:
        return Push(Role::kNode, NewChild(parent));
      case Role::kNode:
        if (key != Field::kUnknown) return false;  // a known field holding an object
        break;
      case Role::kIgnored:
        break;
    }
    return Push(Role::kIgnored, kNoChromiumNode);
  }

  bool StartArray() {
    if (stack_.size() >= kMaxChromiumNesting || stack_.empty()) return false;
    Frame& parent = stack_.back();
    Field key = parent.key;
    parent.key = Field::kUnknown;
    if (parent.role == Role::kIgnored || key == Field::kUnknown) {
      if (parent.role == Role::kChildren) return false;  // a child that is no object
      return Push(Role::kIgnored, kNoChromiumNode);
    }
    if (key != Field::kChildren) return false;               // "roots", a root or a text field
    tree_->nodes[parent.node].firstChild = kNoChromiumNode;  // a later "children" replaces
    return Push(Role::kChildren, parent.node);
  }

  bool EndObject(rapidjson::SizeType) { return Pop(); }
  bool EndArray(rapidjson::SizeType) { return Pop(); }

 private:
  struct Frame {
    Role role;
    Field key;
    uint32_t node;       // kNode: the node; kChildren: the node they belong to
    uint32_t lastChild;  // kChildren: the child appended last
  };

  // Copies a text into the tree's own store, which must not move.
  bool Keep(std::string_view value, std::string_view* field) {
    std::string& texts = tree_->texts;
    if (value.size() > texts.capacity() - texts.size()) return false;
    size_t at = texts.size();
    texts.append(value);
    *field = std::string_view(texts.data() + at, value.size());
    return true;
  }

  bool Push(Role role, uint32_t node) {
    stack_.push_back(Frame{role, Field::kUnknown, node, kNoChromiumNode});
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
    Field key = frame.key;
    frame.key = Field::kUnknown;
    if (frame.role == Role::kChildren) return false;
    if (frame.role == Role::kIgnored) return true;
    return key == Field::kUnknown;
  }

  uint32_t NewNode() {
    tree_->nodes.emplace_back();
    return static_cast<uint32_t>(tree_->nodes.size() - 1);
  }

  uint32_t NewRoot(Field key) {
    uint32_t node = NewNode();
    uint32_t& root = key == Field::kBar     ? tree_->bar
                     : key == Field::kOther ? tree_->other
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

// Room for as many nodes as the text could hold at a typical size, so that
// the table is not copied as it grows, and for all the texts the file can
// hold; the pages are touched only as far as they are filled.
void Reserve(size_t textBytes, ChromiumTree* tree) {
  constexpr size_t kBytesPerNode = 128;
  tree->nodes.reserve(textBytes / kBytesPerNode);
  platform::AdviseHugePages(tree->nodes.data(), tree->nodes.capacity() * sizeof(ChromiumNode));
  tree->texts.reserve(textBytes);
  platform::AdviseHugePages(tree->texts.data(), tree->texts.capacity());
}

}  // namespace

bool ReadChromiumTree(std::string_view text, ChromiumTree* tree) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  try {
    Reserve(text.size(), tree);
    TreeReader handler(tree);
    rapidjson::MemoryStream stream(text.data(), text.size());
    rapidjson::Reader reader;
    constexpr unsigned kFlags = rapidjson::kParseIterativeFlag;
    bool parsed = !reader.Parse<kFlags>(stream, handler).IsError();
    // The parser takes a NUL byte for the end of the text.
    return parsed && stream.Tell() == text.size() && handler.SawRoots();
  } catch (const std::exception&) {
    return false;  // no memory
  }
}
