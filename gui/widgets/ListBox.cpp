#include "gui/widgets/ListBox.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/XmlAttributes.h"
#include "game/state/GameInfo.h"
#include "gui/StringTable.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/ListBoxFade.h"
#include "gui/widgets/ListBoxTipBlink.h"
#include "gui/widgets/TextPainter.h"
#include "gui/widgets/Tooltip.h"
#include "gui/widgets/WidgetElements.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

#include <algorithm>


namespace {

const float kScrollSeconds = 0.2f;
const int kBlendNormal = 1;
const int kBlendAdditive = 2;

Color WhiteWithAlpha(int alpha)
{
    return Color(static_cast<std::uint8_t>(std::clamp(alpha, 0, 255)));
}

} // namespace

ListBox::ListBox(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    for (const TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::string tag = child->Value();
        std::string value;
        if (tag == "position") {
            ReadWidgetPosition(*this, child);
        } else if (tag == "items") {
            for (const TiXmlElement* item = child->FirstChildElement("item"); item;
                 item = item->NextSiblingElement("item")) {
                if (ReadElementText(item, value))
                    items.push_back(value);
            }
        } else if (tag == "font") {
            ReadStringAttribute(child, "normal", normalFont);
            ReadStringAttribute(child, "active", activeFont);
        } else if (tag == "buttonScrollUp") {
            ReadElementText(child, buttonScrollUp);
        } else if (tag == "buttonScrollDown") {
            ReadElementText(child, buttonScrollDown);
        }
    }
    int width = size.x;
    if (ReadIntAttribute(element, "width", width))
        SetWidgetSize(*this, width, size.y);
    ReadIntAttribute(element, "step", step);
    ReadIntAttribute(element, "numOfItems", numOfItems);

    if (!g_listBoxTipBlink) {
        g_listBoxTipBlink = new ListBoxTipBlink();
        kernel.AddController(g_listBoxTipBlink);
    }
}

ListBox::~ListBox()
{
    kernel.StopControllersOf(this);
}

int ListBox::RowAt(const Point& p) const
{
    const int left = position.x - size.x / 2;
    for (int i = 0; i < numOfItems; ++i) {
        const int bottom = position.y - i * step;
        if (p.x >= left && p.x <= left + size.x && p.y >= bottom && p.y <= bottom + step - 1)
            return i;
    }
    return -1;
}

bool ListBox::MouseDown(const Point& p)
{
    Widget::MouseDown(p);
    if (numOfItems < 1)
        return false;
    const int row = RowAt(p);
    if (row < 0)
        return false;
    selectedRow = row;
    return true;
}

void ListBox::MouseDoubleClick(const Point& p)
{
    if (MouseDown(p))
        PostMessage(Message(name, "DoubleClick"));
}

void ListBox::MouseMove(const Point& p)
{
    const int previous = hoverRow;
    hoverRow = -1;
    Widget::MouseMove(p);
    if (numOfItems < 1) {
        if (g_listBoxTipBlink)
            g_listBoxTipBlink->tipState = -1;
        return;
    }
    const int row = RowAt(p);
    if (row >= 0) {
        hoverRow = row;
        if (row != previous && firstItem + row < ItemCount() && g_listBoxTipBlink) {
            g_listBoxTipBlink->hasTipPlayer = true;
            g_listBoxTipBlink->tipPlayerName = items[firstItem + row];
            g_listBoxTipBlink->tipState = 0;
            g_listBoxTipBlink->tipTime = 0.0f;
        }
    }
    if (hoverRow == -1 && g_listBoxTipBlink)
        g_listBoxTipBlink->tipState = -1;
}

void ListBox::Draw()
{
    TextPainter& painter = WidgetTextPainter();
    const bool scrolling = scrollOffset != 0;
    const int rows = scrolling ? numOfItems + 1 : numOfItems;
    const int start = scrollOffset < 0 ? firstItem - 1 : firstItem;
    int rowOffset = scrollOffset < 0 ? step : 0;
    const int drawn = std::min(rows, ItemCount() - start);
    const int blinkAlpha = g_listBoxTipBlink ? g_listBoxTipBlink->alpha : 0;
    const int tipAlpha = g_listBoxTipBlink ? g_listBoxTipBlink->tipAlpha : 0;

    for (int i = 0; i < drawn; ++i, rowOffset -= step) {
        if (start + i < 0)
            continue;
        const std::string& item = items[start + i];
        const int rowY = position.y + rowOffset + scrollOffset;

        painter.SelectFont(normalFont);
        g_renderDevice.SetColor(color);
        if (scrolling && (i == 0 || i == drawn - 1)) {
            const bool towardEnd = scrollOffset > 0;
            const bool leaving = (i == 0) == towardEnd;
            g_renderDevice.SetColor(WhiteWithAlpha(leaving ? 255 - fadeAlpha : fadeAlpha));
        }
        if (i == selectedRow)
            painter.SelectFont(activeFont);
        painter.DrawString(position.x, rowY, item, 1.0f, 2, false);

        if (i == selectedRow) {
            g_renderDevice.SetColor(
                WhiteWithAlpha(static_cast<int>(color.a * (1.0f / 255.0f) * static_cast<float>(blinkAlpha))));
            g_renderDevice.SetBlendMode(kBlendAdditive);
            painter.DrawString(position.x, rowY, item, 1.0f, 2, false);
            g_renderDevice.SetBlendMode(kBlendNormal);
            g_renderDevice.ResetColor();
        }
        if (i == hoverRow && !busy) {
            DrawStageTip(Rect(position.x + 200, rowY - 30, 160, 137),
                         WhiteWithAlpha(static_cast<int>(color.a * (1.0f / 255.0f) * static_cast<float>(tipAlpha))));
        }
    }
    g_renderDevice.ResetColor();
}

Sprite* ListBox::TipPicture(const Player& player)
{
    if (!g_listBoxTipBlink)
        return nullptr;
    int index = player.cycle < 2 ? player.maxStage - 1 : ListBoxTipBlink::kTipPictureCount - 1;
    index = std::clamp(index, 0, ListBoxTipBlink::kTipPictureCount - 1);
    return g_listBoxTipBlink->tipPictures[index];
}

void ListBox::DrawStageTip(const Rect& r, const Color& k)
{
    // No tip before a row with an item has been hovered.
    if (!g_listBoxTipBlink || !g_listBoxTipBlink->hasTipPlayer)
        return;
    // By name: the profile may have been deleted or others added meanwhile.
    const Player& player = gameInfo.GetPlayer(g_listBoxTipBlink->tipPlayerName);
    g_renderDevice.SetColor(k);
    DrawTooltipFrame(r);
    if (Sprite* picture = TipPicture(player)) {
        picture->Bind();
        g_renderDevice.DrawRect(r.x + 10, r.y + 30, picture->textureWidth, picture->textureHeight);
    }
    TextPainter& painter = WidgetTextPainter();
    const std::string first = GetText("Country" + std::to_string(player.maxStage)) + " - " + GetText("Stage") + " " +
                              std::to_string(player.maxLevel);
    painter.SelectFont("text");
    painter.DrawString(r.x + 80, r.y + 25, first, 1.0f, 2, false);
    const std::string second = GetText("Cycle") + " " + std::to_string(player.cycle);
    painter.DrawString(r.x + 80, r.y + 4, second, 1.0f, 2, false);
    g_renderDevice.ResetColor();
}

void ListBox::Reset() {}

void ListBox::UpdateButtons()
{
    if (!buttonScrollUp.empty()) {
        if (Widget* up = FindLayerWidget(layerName, buttonScrollUp))
            up->AcceptMessage(Message("Active", firstItem < ItemCount() - numOfItems ? 1 : 0));
    }
    if (!buttonScrollDown.empty()) {
        if (Widget* down = FindLayerWidget(layerName, buttonScrollDown))
            down->AcceptMessage(Message("Active", firstItem != 0 ? 1 : 0));
    }
}

void ListBox::SelectItem(const std::string& text)
{
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end())
        return;
    const int k = static_cast<int>(found - items.begin());
    firstItem = k - numOfItems + 1;
    selectedRow = numOfItems - 1;
    if (firstItem < 0) {
        firstItem = 0;
        selectedRow = k;
    }
}

void ListBox::StartScroll(bool towardEnd)
{
    kernel.AddController(new ListBoxFade(this, towardEnd, kScrollSeconds));
}

void ListBox::AcceptMessage(const Message& message)
{
    const std::string& verb = message.publisher;
    if (verb == "ScrollUp") {
        if (firstItem > 0 && !busy) {
            selectedRow += 1;
            StartScroll(false);
        }
    } else if (verb == "ScrollDown") {
        if (firstItem < ItemCount() - numOfItems && !busy)
            StartScroll(true);
    } else if (verb == "UpdateButtons") {
        UpdateButtons();
    } else if (verb == "Add") {
        items.push_back(message.data);
        UpdateButtons();
    } else if (verb == "Set") {
        SelectItem(message.data);
        UpdateButtons();
    } else if (verb == "Delete") {
        const auto found = std::find(items.begin(), items.end(), message.data);
        if (found != items.end()) {
            const auto next = items.erase(found);
            if (next != items.end())
                SelectItem(*next);
            else if (!items.empty())
                SelectItem(items.back());
        }
        UpdateButtons();
    }
}

Message ListBox::QueryState(const Message& message)
{
    if (message.publisher != "CurrentItem")
        return Message();
    const int index = firstItem + selectedRow;
    if (index >= 0 && index < ItemCount())
        return Message(name, items[index]);
    return Message(name, std::string());
}
