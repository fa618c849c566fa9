#include "exchange/dropped_link.h"

#include <algorithm>

#include "exchange/internet_shortcut.h"
#include "platform/platform.h"
#include "platform/shell_link.h"

namespace {

constexpr std::string_view kHttpPrefix = "http--";
constexpr std::string_view kFtpPrefix = "ftp--";
constexpr char kShellLinkExtension[] = ".lnk";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Trimmed(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsSpace(text[first])) ++first;
  while (last > first && IsSpace(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The name of the file at path without its folder and without its last
// extension, and that extension (with its dot) in lower case.
void SplitFileName(const std::string& path, std::string* name, std::string* extension) {
  size_t slash = platform::LastSeparator(path);
  std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = file.rfind('.');
  *name = dot == std::string::npos ? file : file.substr(0, dot);
  *extension = dot == std::string::npos ? std::string() : platform::LowerAnsiText(file.substr(dot));
}

}  // namespace

bool DropOfferAccepted(const DropOffer& offer) {
  return offer.hasText || offer.hasUrl || offer.hasFiles;
}

std::string TitleOfDescriptorName(std::string_view name) {
  // The scheme's hyphens stand for "://"; the character after them is the
  // third character of that separator.
  if (StartsWith(name, kHttpPrefix))
    name.remove_prefix(std::min(name.size(), kHttpPrefix.size() + 1));
  else if (StartsWith(name, kFtpPrefix))
    name.remove_prefix(std::min(name.size(), kFtpPrefix.size() + 1));
  size_t dot = name.rfind('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  return std::string(name);
}

void SplitAddressAndTitle(std::string* address, std::string* title) {
  size_t feed = address->find('\n');
  if (feed == std::string::npos || feed == 0) return;
  *title = address->substr(feed + 1);
  address->resize(feed);
}

DroppedLink LinkOfDroppedFile(const std::string& path) {
  DroppedLink link;
  std::string extension;
  SplitFileName(path, &link.title, &extension);
  if (extension == kUrlFileExtension) {
    std::string name;
    ReadUrlFile(path, &link.address, &name);
  } else if (extension == kShellLinkExtension) {
    std::string target;
    if (platform::ReadShellLink(path, &target) == 0) link.address = Trimmed(target);
  } else {
    link.address = path;
  }
  return link;
}

bool LinkOfDrop(const DropOffer& offer, DroppedLink* link) {
  *link = DroppedLink();
  if (offer.hasFiles) {
    *link = LinkOfDroppedFile(offer.firstFile);
  } else {
    if (offer.hasDescriptor) link->title = TitleOfDescriptorName(offer.descriptorName);
    link->address = offer.hasText && !offer.text.empty() ? offer.text : offer.url;
  }
  SplitAddressAndTitle(&link->address, &link->title);
  link->address = Trimmed(link->address);
  return !link->address.empty();
}
