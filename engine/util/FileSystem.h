#pragma once

// Every data file of the game is named by a byte string that may use "\",
// ".\", "..\" and any letter case. ResolvePath turns such a name into a real
// path; every reader goes through it.

#include <string>
#include <vector>

// Separators become "/", ".." is kept. When the exact path does not exist,
// each component is matched case-insensitively against the folder's entries;
// a component that matches nothing is kept as written (so a writer creates it).
std::string ResolvePath(const std::string& name);

// True when the named file can be opened for reading.
bool FileExists(const std::string& name);

// The whole file as bytes; false when it cannot be read.
bool ReadWholeFile(const std::string& name, std::string& contents);

// The file's lines split at line feeds with a trailing carriage return removed.
bool ReadTextLines(const std::string& name, std::vector<std::string>& lines);

// Writes the bytes to a temporary file beside the target, flushes and syncs
// it, renames it over the target and syncs the folder. A failure leaves the
// old target untouched and returns false with errno telling why. The target
// is resolved first.
bool WriteFileAtomically(const std::string& name, const std::string& contents);

// Creates one folder with the user's normal permissions; true when it exists
// afterwards.
bool CreateFolder(const std::string& path);
