// Item titles shown as menu entries.
#pragma once

#include <string>

// The text with each "&" doubled, so that it shows as itself in a menu
// entry instead of underlining the next letter.
std::string MenuEscaped(const std::string& text);
