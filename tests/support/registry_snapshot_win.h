// Keeps a copy of a registry key (values and subkeys) so that a test can
// change the real key and put it back afterwards. Header only: the support
// .cpp files are also built natively.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class RegistrySnapshot {
 public:
  // Copies root\subkey as it is now (or remembers that it is missing).
  RegistrySnapshot(HKEY root, const std::string& subkey) : root_(root), subkey_(subkey) {
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    existed_ = true;
    Capture(key, &tree_);
    RegCloseKey(key);
  }
  RegistrySnapshot(const RegistrySnapshot&) = delete;
  RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

  // Deletes the key and writes the copy back (nothing when it was missing).
  void Restore() const {
    DeleteTree(root_, subkey_);
    if (!existed_) return;
    HKEY key;
    if (RegCreateKeyExA(root_, subkey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
      return;
    Write(key, tree_);
    RegCloseKey(key);
  }

  bool Existed() const { return existed_; }

  static void DeleteTree(HKEY root, const std::string& subkey) {
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    for (;;) {
      char name[256];
      DWORD length = sizeof name;
      if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      DeleteTree(key, name);
    }
    RegCloseKey(key);
    RegDeleteKeyA(root, subkey.c_str());
  }

 private:
  struct Value {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
  };
  struct Tree {
    std::vector<Value> values;
    std::vector<std::pair<std::string, std::unique_ptr<Tree>>> children;
  };

  static void Capture(HKEY key, Tree* tree) {
    for (DWORD i = 0;; ++i) {
      char name[16384];
      DWORD nameLength = sizeof name, type = 0, size = 0;
      if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        break;
      Value value{std::string(name, nameLength), type, std::vector<BYTE>(size + 1)};
      nameLength = sizeof name;
      RegEnumValueA(key, i, name, &nameLength, nullptr, &type, value.data.data(), &size);
      value.data.resize(size);
      tree->values.push_back(std::move(value));
    }
    for (DWORD i = 0;; ++i) {
      char name[256];
      DWORD length = sizeof name;
      if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      HKEY child;
      if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
      auto subtree = std::make_unique<Tree>();
      Capture(child, subtree.get());
      RegCloseKey(child);
      tree->children.emplace_back(name, std::move(subtree));
    }
  }

  static void Write(HKEY key, const Tree& tree) {
    for (const Value& value : tree.values)
      RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                     static_cast<DWORD>(value.data.size()));
    for (const auto& child : tree.children) {
      HKEY sub;
      if (RegCreateKeyExA(key, child.first.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub,
                          nullptr) != ERROR_SUCCESS)
        continue;
      Write(sub, *child.second);
      RegCloseKey(sub);
    }
  }

  HKEY root_;
  std::string subkey_;
  bool existed_ = false;
  Tree tree_;
};
