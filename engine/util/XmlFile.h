#pragma once

// Loading and saving whole XML documents through the path resolver.

#include <string>

class TiXmlDocument;

// Reads the named file (resolved) and parses it. False when the file cannot
// be read or is not well-formed.
bool LoadXmlFile(const std::string& name, TiXmlDocument& document);

// Prints the document and writes it atomically. With keepBackup, the file it
// replaces is kept beside it as name + ".bak" first (only when that file is
// itself well-formed, so a backup is always a good copy). False on failure,
// which leaves the old file untouched.
bool SaveXmlFileAtomically(const TiXmlDocument& document, const std::string& name, bool keepBackup);
