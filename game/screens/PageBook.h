#pragma once

// What the story pages and the closing pages share: three pages of text
// with effects over the arched backdrop with its fish and drifting lights.
// Scripts show the book with "Show" 1, choose a page with "SetPage" and stop
// a page's flames with "Finish"; a click completes a page that is still
// arriving, and once it has arrived posts ("Next", "press"). The pages move
// only while the story widget's controller runs (HistoryController).

#include "gui/Widget.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/TextWithEffects.h"

#include <string>

class PageBook : public Widget {
public:
    static constexpr int kPages = 3;
    // Where the page is drawn and its flames burn.
    static constexpr int kPageX = 400;
    static constexpr int kPageY = 350;

    // The pages from the named file, their flames owned by this book, each
    // reset.
    PageBook(const std::string& widgetName, const std::string& pagesFile);
    ~PageBook() override;

    void MouseUp(const Point& p) override;
    void Draw() override;
    void AcceptMessage(const Message& message) override;

    // The story (true) or the closing pages.
    virtual bool IsHistory() const = 0;

    TextWithEffects& CurrentPage() { return _pages[_currentPage]; }
    // The current page has arrived: every string is in place, or it has
    // none (a page the file did not fill).
    bool PageFinished() const;

    TextWithEffects _pages[kPages];
    int _currentPage = 0;
    // The pages' flames, drawn at the page's place.
    EffectList _pageEffects;

private:
    void SetPage(int page);
    void DrawBackdrop();
    void DrawFish(bool front);
    void DrawClickToContinue();
};
