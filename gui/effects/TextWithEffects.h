#pragma once

// Named one-line strings that appear one after another on a screen page
// (the statistics, history, end-of-game and hi-score pages own one each):
// filled from a text effect file, stepped every frame, drawn at a point of
// the owner's, asked whether every string has arrived.

#include "engine/util/Point.h"
#include "gui/effects/TextEffectString.h"

#include <map>
#include <string>

class EffectList;
class TiXmlElement;

class TextWithEffects {
public:
    // Fills the strings from a "Text" element (see TextEffectFile.h).
    void Load(const TiXmlElement* element);
    // One centred string per line of the text resource of that name.
    void BuildFromText(const std::string& textName);

    // Where the strings' particle effects are made and drawn; set it after
    // Load and before the first Update. Strings added later take it too.
    void SetOwner(EffectList* owner);
    // Adds the string under its name; a name already present keeps its
    // first record. False when it was already there.
    bool Insert(const std::string& name, const TextEffectString& string);
    // The string of that name, a default one added when missing.
    TextEffectString& String(const std::string& name);
    // The string of that name, or null.
    TextEffectString* Find(const std::string& name);

    void Update(float dt);
    void Draw();
    void DrawAt(const Point& p);
    // Every string shown at once (its flames die out gradually).
    void Finish();
    void FinishString(const std::string& name);
    void StopFlames();
    // Every string back to waiting (its flames end at once).
    void Reset();

    bool AllFinished() const { return _allFinished; }
    std::size_t Size() const { return _strings.size(); }
    const std::map<std::string, TextEffectString>& Strings() const { return _strings; }

    std::map<std::string, TextEffectString> _strings;
    bool _allFinished = false;

private:
    EffectList* _owner = nullptr;
};
