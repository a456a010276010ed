#pragma once

// Attribute readers of the game state's files. Numbers follow the C "%d" and
// "%f" rules, a bool is such an int being non-zero. An attribute that is
// absent or carries no number leaves the value as it was and is noted; the
// notes of one file, or one record, go into a single log line.

#include <string>
#include <vector>

class TiXmlElement;

class StrictXmlReader {
public:
    explicit StrictXmlReader(std::string fileName) : _fileName(std::move(fileName)) {}

    void Int(const TiXmlElement* element, const char* name, int& value);
    void Float(const TiXmlElement* element, const char* name, float& value);
    void Bool(const TiXmlElement* element, const char* name, bool& value);
    void String(const TiXmlElement* element, const char* name, std::string& value);
    // Attributes that may be left out: an absent one keeps the value without
    // a note (as does an absent element); one that carries no number is noted.
    void OptionalInt(const TiXmlElement* element, const char* name, int& value);
    void OptionalFloat(const TiXmlElement* element, const char* name, float& value);

    // Finds a child element by name; an absent one is noted.
    const TiXmlElement* Child(const TiXmlElement* parent, const char* name, const std::string& where);

    void Note(const std::string& text) { _notes.push_back(text); }
    bool HasNotes() const { return !_notes.empty(); }

    // One error line naming the file, the place and every note; then the
    // notes are forgotten.
    void Report(const std::string& where);

private:
    const char* Find(const TiXmlElement* element, const char* name);
    template <typename T>
    void Number(const TiXmlElement* element, const char* name, const char* format, T& value);
    template <typename T>
    void Parse(const char* text, const char* name, const char* format, T& value);

    std::string _fileName;
    std::vector<std::string> _notes;
};
