#pragma once

// The reader of text effect files: a "Text" element holds either "String"
// elements, each a fully described string, or one "FromText" element that
// takes its lines from a text resource and times them in ranges with
// "SetEffect" elements.

#include <string>

class TextWithEffects;
class TiXmlElement;

// Fills the collection from a "Text" element; a null element adds nothing.
void ParseTextEffect(const TiXmlElement* element, TextWithEffects& text);

// One string per line of the text resource of that name: "String1",
// "String2" ... centred on x 0, each line under the one before it, the first
// line's top at 0. An unknown name adds nothing.
void BuildTextEffectsFromText(const std::string& textName, TextWithEffects& text);
