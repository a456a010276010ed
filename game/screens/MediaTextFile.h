#pragma once

// The reader of mediaText.xml: the root's first "MediaText" element, whose
// "Text" child is a text block.

#include <memory>
#include <string>

class MediaText;

// The record of the named file; null, with a log line, when the file does
// not load or lacks the "MediaText" element or its "Text".
std::unique_ptr<MediaText> ReadMediaTextFile(const std::string& fileName);
