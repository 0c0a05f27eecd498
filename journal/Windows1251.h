#pragma once

#include <string>
#include <string_view>

// Converts UTF-8 text to the single-byte Windows-1251 code page; a character
// without a Windows-1251 form, or a byte that is not valid UTF-8, becomes "?".
std::string ToWindows1251(std::string_view utf8);
