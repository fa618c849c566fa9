// What a drop on the main window offers, turned into the address and title
// of a new bookmark. The drop target reads the clipboard formats; the rules
// for what they mean live here, away from OLE, so that they are tested
// natively.
#pragma once

#include <string>
#include <string_view>

// The formats a drop offered, as read from the data object. A flag is set
// when the format was offered, whether or not its text is empty.
struct DropOffer {
  bool hasFiles = false;  // CF_HDROP: firstFile is its first path
  std::string firstFile;
  bool hasDescriptor = false;  // "FileGroupDescriptor": its first cFileName
  std::string descriptorName;
  bool hasText = false;  // CF_TEXT
  std::string text;
  bool hasUrl = false;  // "UniformResourceLocator"
  std::string url;
};

struct DroppedLink {
  std::string address;
  std::string title;
};

// True when a drop of these formats can make a bookmark, so that the drag
// shows copy and link over the window: text, an address or files.
bool DropOfferAccepted(const DropOffer& offer);

// The title of a browser's virtual shortcut file: a leading "http--" goes
// with the character after it, a leading "ftp--" likewise, then everything
// from the last "." on (the ".url").
std::string TitleOfDescriptorName(std::string_view name);

// A browser may send "address\ntitle": when a line feed follows the first
// character, the text after it becomes the title and the address ends
// before it.
void SplitAddressAndTitle(std::string* address, std::string* title);

// The address and title of a dropped file: a ".url" shortcut's address and
// name, a ".lnk" shell link's target and name, any other path itself with
// its name. The address is empty when the file holds none.
DroppedLink LinkOfDroppedFile(const std::string& path);

// The whole drop: files first, else the descriptor's title with the
// address of the text or the address format; then the line-feed split and
// the trimming. False (the drop is refused) when no address is left.
bool LinkOfDrop(const DropOffer& offer, DroppedLink* link);
