#include "game/state/StrictXmlReader.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"

#include <cstdio>
#include <tinyxml.h>

const char* StrictXmlReader::Find(const TiXmlElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    if (!text)
        Note(std::string("no \"") + name + "\"");
    return text;
}

template <typename T>
void StrictXmlReader::Parse(const char* text, const char* name, const char* format, T& value)
{
    T parsed{};
    if (std::sscanf(text, format, &parsed) == 1)
        value = parsed;
    else
        Note(std::string("\"") + name + "\" is not a number");
}

template <typename T>
void StrictXmlReader::Number(const TiXmlElement* element, const char* name, const char* format, T& value)
{
    if (const char* text = Find(element, name))
        Parse(text, name, format, value);
}

void StrictXmlReader::Int(const TiXmlElement* element, const char* name, int& value)
{
    Number(element, name, "%d", value);
}

void StrictXmlReader::Float(const TiXmlElement* element, const char* name, float& value)
{
    Number(element, name, "%f", value);
}

void StrictXmlReader::OptionalInt(const TiXmlElement* element, const char* name, int& value)
{
    if (const char* text = element ? element->Attribute(name) : nullptr)
        Parse(text, name, "%d", value);
}

void StrictXmlReader::OptionalFloat(const TiXmlElement* element, const char* name, float& value)
{
    if (const char* text = element ? element->Attribute(name) : nullptr)
        Parse(text, name, "%f", value);
}

void StrictXmlReader::Bool(const TiXmlElement* element, const char* name, bool& value)
{
    int number = value ? 1 : 0;
    const std::size_t before = _notes.size();
    Int(element, name, number);
    if (_notes.size() == before)
        value = number != 0;
}

void StrictXmlReader::String(const TiXmlElement* element, const char* name, std::string& value)
{
    if (const char* text = Find(element, name))
        value = text;
}

const TiXmlElement* StrictXmlReader::Child(const TiXmlElement* parent, const char* name, const std::string& where)
{
    const TiXmlElement* child = parent ? parent->FirstChildElement(name) : nullptr;
    if (!child)
        Note(std::string("no \"") + name + "\" element" + (where.empty() ? "" : " in " + where));
    return child;
}

void StrictXmlReader::Report(const std::string& where)
{
    if (_notes.empty())
        return;
    std::string text = where.empty() ? std::string() : where + ": ";
    for (std::size_t i = 0; i < _notes.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += _notes[i];
    }
    LogError(_fileName, text);
    _notes.clear();
}
