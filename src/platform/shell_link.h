// Shell links (".lnk" files): the Windows shell's link object. Only the
// Windows build has them; the POSIX side has no such object, so there every
// call fails and favorites imports skip ".lnk" files.
#pragma once

#include <string>

namespace platform {

// True where shell links can be read and written (the Windows build).
bool ShellLinksAvailable();

// Loads the link, resolves it without a window and gives its target path,
// a space and its arguments (both read to at most 260 characters). COM is
// initialised for the call when the thread has not done so. 0, or -1 when
// the link cannot be read.
int ReadShellLink(const std::string& linkPath, std::string* target);

// Writes linkPath (replacing a file of that name) as a link to target with
// arguments (none when empty). 0, or -1 on failure.
int WriteShellLink(const std::string& target, const std::string& linkPath,
                   const std::string& arguments);

}  // namespace platform
