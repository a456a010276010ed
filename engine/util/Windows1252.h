#pragma once

// Typed text arrives as UTF-8; the game's byte strings are Windows-1252.

#include <string>

// The Windows-1252 bytes of a UTF-8 text. Characters that have no
// Windows-1252 byte, and malformed sequences, are dropped.
std::string Utf8ToWindows1252(const std::string& utf8);

// The Windows-1252 byte of one code point, or -1 when there is none.
int CodePointToWindows1252(unsigned codePoint);
