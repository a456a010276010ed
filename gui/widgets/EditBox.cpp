#include "gui/widgets/EditBox.h"

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlAttributes.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/EditBoxCaret.h"
#include "gui/widgets/TextPainter.h"
#include "gui/widgets/WidgetElements.h"

#include <tinyxml.h>

#include <algorithm>

namespace {

const int kBackspace = 8;
const int kEnter = 13;
const int kSpace = 32;

bool IsLetterOrDigit(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
}

} // namespace

EditBox::EditBox(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    ReadIntAttribute(element, "limit", limit);
    limit = std::min(limit, kMaxLimit);
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string tag = child->Value();
        if (tag == "position")
            ReadWidgetPosition(*this, child);
        else if (tag == "font")
            ReadStringAttribute(child, "name", font);
    }
    caret = new EditBoxCaret();
    kernel.AddController(caret);
}

EditBox::~EditBox()
{
    caret->_finished = true;
}

void EditBox::MouseDoubleClick(const Point&) {}

void EditBox::KeyPress(int code)
{
    if (code == kBackspace && !editText.empty())
        editText.pop_back();
    if (code == kEnter)
        PostMessage(Message("Ok", "press"));
    if (static_cast<int>(editText.size()) >= limit)
        return;
    const bool high = code >= 192 && code <= 255 && g_settings.editAcceptsHighCharacters;
    if (IsLetterOrDigit(code) || high) {
        TextPainter& painter = WidgetTextPainter();
        const unsigned char c = static_cast<unsigned char>(code);
        const std::string longer = editText + static_cast<char>(c);
        // A character the font cannot draw is refused.
        if (painter.HasGlyph(font, c) && painter.TextWidth(longer, font) > painter.TextWidth(editText, font))
            editText = longer;
    } else if (code == kSpace && !editText.empty()) {
        editText += ' ';
    }
}

void EditBox::AcceptMessage(const Message& message)
{
    if (message.publisher == "KeyPress")
        KeyPress(StringToInt(message.data));
    if (message.publisher == "Clear")
        editText.clear();
}

Message EditBox::QueryState(const Message& message)
{
    if (message.publisher == "Text")
        return Message(name, editText);
    return Message();
}

void EditBox::Draw()
{
    TextPainter& painter = WidgetTextPainter();
    g_renderDevice.SetColor(color);
    painter.SelectFont(font);
    painter.DrawString(position.x, position.y, editText, 1.0f, 0, false);

    g_renderDevice.SetAlpha(static_cast<std::uint8_t>(caret->alpha));
    g_renderDevice.EnableTexture(false);
    g_renderDevice.DrawRect(position.x + painter.TextWidth(editText, font) + 2, position.y, 4,
                            painter.FontHeight(font));
    g_renderDevice.EnableTexture(true);
    g_renderDevice.ResetColor();
}

void EditBox::Reset() {}
