#pragma once

#include <string>

#include "model/SaxHandlers.h"

// Why reading a photo XML file stopped, in the words a user is told: libxml2's own text is
// English, and for a file that ends early it names the wrong fault.
std::string readErrorReason(const SaxError& problem);
