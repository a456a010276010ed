#pragma once

// The internet shortcut beside the game ("..\website.url"): a text file
// whose "URL=" line names the publisher's web page. Only a web address
// (http:// or https://) is ever handed on, as one argument to the desktop's
// "open" action; anything else is logged and left alone.

#include <string>

// The web address of the shortcut's text, or empty when there is none.
std::string WebAddressOfShortcut(const std::string& text);

// Opens the shortcut's web address. A missing file does nothing; a file
// without a web address gets a log line. True when the address was handed
// to the desktop.
bool OpenWebsiteShortcut(const std::string& name);
