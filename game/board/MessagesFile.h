#pragma once

// Messages.xml: the board's texts and tips. The root holds "Message"
// elements, each with a "name" and a "Text" child in the text-resource
// format; a name read before keeps its first text.

#include "gui/TextResource.h"

#include <map>
#include <string>

using MessageTexts = std::map<std::string, TextBlock>;

// Adds the file's texts to `messages`. False, and nothing added, when the
// file cannot be read. A "Message" without a name or a "Text" is skipped
// with a log line.
bool ReadMessagesFile(const std::string& fileName, MessageTexts& messages);
