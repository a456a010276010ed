#include "gui/TextResource.h"

#include "engine/util/MathFunctions.h"
#include "engine/util/XmlAttributes.h"
#include "gui/FontAccess.h"

#include <tinyxml.h>

#include <sstream>

const TextTable* g_textTable = nullptr;
const TextVariables* g_textVariables = nullptr;

namespace {

// "r g b" as whole numbers separated by white space; alpha is always 255.
Color ParseLineColor(const char* text, const Color& fallback)
{
    if (!text)
        return fallback;
    std::istringstream in(text);
    int r = 0;
    int g = 0;
    int b = 0;
    if (!(in >> r >> g >> b))
        return fallback;
    auto clamp = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return Color(clamp(r), clamp(g), clamp(b), 255);
}

struct LineStyle {
    std::string font = "text";
    float scale = 1.0f;
    float heightFactor = 1.0f;
    Color color;
};

LineStyle ReadLineStyle(const TiXmlElement* element)
{
    LineStyle style;
    ReadStringAttribute(element, "font", style.font);
    ReadFloatAttribute(element, "scale", style.scale);
    ReadFloatAttribute(element, "height", style.heightFactor);
    style.color = ParseLineColor(element->Attribute("color"), style.color);
    return style;
}

int ScaledWidth(const TextResourceLine& line)
{
    return TruncateToInt(static_cast<float>(FontTextWidth(line.text, line.font)) * line.scale);
}

void AppendLine(TextResource& block, const std::string& text, const LineStyle& style, float blockFactor)
{
    TextResourceLine line;
    line.text = text;
    line.source = text;
    line.font = style.font;
    line.scale = style.scale;
    line.color = style.color;
    line.lineHeight = TruncateToInt(static_cast<float>(FontLineHeight(style.font)) * style.heightFactor * blockFactor);
    const int width = ScaledWidth(line);
    if (width > block.width)
        block.width = width;
    block.lines.push_back(line);
}

void MeasureHeight(TextResource& block)
{
    float sum = 0.0f;
    for (const TextResourceLine& line : block.lines)
        sum += static_cast<float>(line.lineHeight) * line.scale;
    block.height = TruncateToInt(sum);
}

std::string VariableValue(const TextVariables& variables, const std::string& name)
{
    const auto found = variables.find(name);
    return found == variables.end() ? std::string() : found->second;
}

std::string Substitute(const std::string& source, const TextVariables& variables)
{
    std::string result;
    std::size_t copied = 0;
    std::size_t open = source.find('#');
    while (open != std::string::npos) {
        const std::size_t close = source.find('#', open + 1);
        if (close == std::string::npos)
            break;
        result.append(source, copied, open - copied);
        result += VariableValue(variables, source.substr(open + 1, close - open - 1));
        copied = close + 1;
        open = source.find('#', copied);
    }
    result.append(source, copied, std::string::npos);
    return result;
}

} // namespace

TextResource::TextResource(const TiXmlElement* element)
{
    ParseTextResources(*this, element);
}

void TextResource::SetColor(const Color& value)
{
    for (TextResourceLine& line : lines)
        line.color = value;
}

const TextResource* TextTable::Find(const std::string& id) const
{
    const auto found = find(id);
    return found == end() ? nullptr : &found->second;
}

const TextResource* FindTextResource(const std::string& id)
{
    return g_textTable ? g_textTable->Find(id) : nullptr;
}

void ParseTextResources(TextResource& block, const TiXmlElement* element)
{
    if (!element)
        return;
    float blockFactor = 1.0f;
    ReadFloatAttribute(element, "height", blockFactor);

    if (const TiXmlElement* shared = element->FirstChildElement("text")) {
        const LineStyle style = ReadLineStyle(shared);
        std::string all;
        ReadStringAttribute(shared, "text", all);
        std::size_t start = 0;
        while (start <= all.size()) {
            std::size_t end = all.find('\n', start);
            if (end == std::string::npos)
                end = all.size();
            if (end > start)
                AppendLine(block, all.substr(start, end - start), style, blockFactor);
            start = end + 1;
        }
    } else {
        for (const TiXmlElement* line = element->FirstChildElement("string"); line;
             line = line->NextSiblingElement("string")) {
            const char* text = line->GetText();
            AppendLine(block, text ? text : "", ReadLineStyle(line), blockFactor);
        }
    }
    MeasureHeight(block);
}

void SubstituteVariables(TextResource& block)
{
    static const TextVariables kNone;
    SubstituteVariables(block, g_textVariables ? *g_textVariables : kNone);
}

void SubstituteVariables(TextResource& block, const TextVariables& variables)
{
    block.width = 0;
    for (TextResourceLine& line : block.lines) {
        line.text = Substitute(line.source, variables);
        const int width = ScaledWidth(line);
        if (width > block.width)
            block.width = width;
    }
}
