// The property every input must keep, whatever its bytes: loading neither
// crashes nor changes the file, the loaded outline can be walked, and a list
// that loaded is written so that loading and writing it again gives the same
// bytes. Shared by the fuzz target and the test that replays its corpus.
#pragma once

#include <string>

// Writes bytes to a file in folder and checks the property on it. Returns
// an empty string when it holds, else what went wrong.
std::string CheckListRoundTrip(const std::string& bytes, const std::string& folder);
