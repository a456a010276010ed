#include "game/screens/PageBook.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/screens/BookPagesFile.h"
#include "game/screens/BookState.h"
#include "game/screens/HistoryController.h"
#include "gui/StringTable.h"
#include "gui/controllers/ControllerManager.h"

#include <algorithm>

namespace {

const int kBlendNormal = 1;
const int kBlendAdditive = 2;

bool Uploaded(const Sprite* picture)
{
    return picture && picture->deviceTexture != 0 && picture->textureWidth > 0 && picture->textureHeight > 0;
}

// The picture at its image size, with its corner at (x, y).
void DrawImage(const Sprite& picture, int x, int y)
{
    picture.Bind();
    g_renderDevice.DrawRectPartial(x, y, picture.imageWidth, picture.imageHeight,
                                   static_cast<float>(picture.imageWidth) / static_cast<float>(picture.textureWidth),
                                   static_cast<float>(picture.imageHeight) / static_cast<float>(picture.textureHeight));
}

Color WithAlpha(Color colour, float value)
{
    colour.a = static_cast<std::uint8_t>(static_cast<int>(value));
    return colour;
}

} // namespace

PageBook::PageBook(const std::string& widgetName, const std::string& pagesFile) : Widget(widgetName)
{
    ReadBookPages(pagesFile, _pages, kPages);
    for (TextWithEffects& page : _pages) {
        page.SetOwner(&_pageEffects);
        page.Reset();
    }
}

PageBook::~PageBook()
{
    kernel.StopControllersOf(this);
}

bool PageBook::PageFinished() const
{
    const TextWithEffects& page = _pages[_currentPage];
    return page.Size() == 0 || page.AllFinished();
}

void PageBook::MouseUp(const Point&)
{
    if (!Books().booksShown)
        return;
    if (PageFinished())
        PostMessage(Message("Next", "press"));
    else
        CurrentPage().Finish();
}

void PageBook::AcceptMessage(const Message& message)
{
    if (message.is("SetPage")) {
        SetPage(message.integerParam);
    } else if (message.is("Finish")) {
        CurrentPage().StopFlames();
    } else if (message.is("Show")) {
        Books().booksShown = message.integerParam > 0;
        Books().historyIsShown = IsHistory();
    }
}

void PageBook::SetPage(int page)
{
    if (page < 0 || page >= kPages) {
        LogError("Book pages", name + ": there is no page " + std::to_string(page) + " (pages 0 to 2); \"SetPage\" is ignored.");
        return;
    }
    CurrentPage().StopFlames();
    _currentPage = page;
    CurrentPage().Reset();
}

void PageBook::DrawFish(bool front)
{
    g_renderDevice.EnableFog(true);
    for (SwimmingFish& fish : Books().fish)
        fish.DrawEx(front);
    g_renderDevice.EnableFog(false);
    g_renderDevice.ResetColor();
}

void PageBook::DrawBackdrop()
{
    RenderDevice& device = g_renderDevice;
    const BookState& books = Books();
    if (Uploaded(books.firstPlane))
        DrawImage(*books.firstPlane, 0, 0);
    const HistoryController* controller = books.historyController;
    if (controller && Uploaded(books.arcMask)) {
        device.SetBlendMode(kBlendAdditive);
        device.SetColor(WithAlpha(controller->_lights[0]._color, controller->_lights[0]._level));
        DrawImage(*books.arcMask, 400, 0);
        // The same arch mirrored to the left.
        device.SetColor(WithAlpha(controller->_lights[1]._color, controller->_lights[1]._level));
        device.DrawRectInset(392.0f, 0.0f, -512.0f, 1024.0f, 0.0f);
        device.SetBlendMode(kBlendNormal);
        device.ResetColor();
    }
}

void PageBook::DrawClickToContinue()
{
    RenderDevice& device = g_renderDevice;
    const std::string text = GetText("ClickToContinue");
    const float blink = Books().historyController ? Books().historyController->_blink : 0.0f;
    device.SetBlendMode(kBlendAdditive);
    device.SelectFont("TitleLight");
    device.DrawString(400, 50, text, 1.0f, 2, false);
    const int alpha = blink <= 0.5f ? static_cast<int>(510.0f * blink) : 255 - static_cast<int>(510.0f * (blink - 0.5f));
    device.SetColor(Color(static_cast<std::uint8_t>(std::max(0, std::min(255, alpha)))));
    device.SelectFont("Title");
    device.DrawString(400, 50, text, 1.0f, 2, false);
    device.SetBlendMode(kBlendNormal);
    device.ResetColor();
}

void PageBook::Draw()
{
    DrawFish(false);
    DrawBackdrop();
    DrawFish(true);
    if (!Books().booksShown)
        return;
    const Point page(kPageX, kPageY);
    CurrentPage().DrawAt(page);
    _pageEffects.DrawAt(page);
    if (PageFinished())
        DrawClickToContinue();
}
