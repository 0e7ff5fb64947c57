#pragma once

#include <string>

// What a failed file operation's error number means, in Japanese, for a message that tells
// the user why a file could not be read or written.
std::string systemErrorText(int error);
