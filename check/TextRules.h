#pragma once

#include <string>
#include <string_view>

#include "model/TextForms.h"

// The forms the standard asks texts of the photo XML file to take.

// A positive integer in half-width digits ("0012" is 12).
bool isPositiveNumber(std::string_view text);
// Whether positive number a (as isPositiveNumber takes it) is above b, whatever their length.
bool numberAbove(std::string_view a, std::string_view b);
// prefix, seven digits, a dot and an extension of one to three upper-case letters:
// P0000001.JPG.
bool followsFileNameRule(std::string_view name, char prefix);
// text with its ASCII letters in upper case: names on a disc read without regard to case.
std::string upperAscii(std::string_view text);
// The extension after the last dot, as written; empty without one.
std::string_view extensionOf(std::string_view name);
