#pragma once

// The reader of a book's pages (HistoryTextEffects.xml, EndTextEffects.xml):
// the root's "Text" elements in the format of texts with effects, one a
// page. The first three become pages 0, 1 and 2; any further are not read.

#include <string>

class TextWithEffects;

// Fills the pages from the named file and returns how many were read. A file
// that does not load, or that holds fewer than three "Text" elements, is
// logged; the pages it does not fill stay empty.
int ReadBookPages(const std::string& fileName, TextWithEffects* pages, int pageCount);
