#include "game/screens/HiScorePanel.h"

#include "engine/platform/LogoWidget.h"
#include "game/state/GameInfo.h"
#include "gui/StringTable.h"
#include "gui/effects/TextWithEffects.h"

#include <string>

namespace {

void EnableLogo(bool enabled)
{
    if (g_logoWidget)
        g_logoWidget->SetEnabled(enabled);
}

} // namespace

HiScorePanel::HiScorePanel()
{
    SetCurveKeys(slide, {-450.0f, 45.0f, 25.0f});
}

void HiScorePanel::Leave(int next)
{
    state = next;
    timer = 0.0f;
}

void HiScorePanel::Update(float dt, TextWithEffects& text)
{
    if (idleClockRunning || state != kHidden)
        timer += dt;
    switch (state) {
    case kHidden:
        if (timer >= 30.0f) {
            Leave(kSlidingIn);
            EnableLogo(false);
        }
        break;
    case kSlidingIn:
        if (timer >= 1.0f) {
            Leave(kShown);
            FillRows(text, gameInfo.GetHiScores());
            text.Reset();
        }
        break;
    case kShown:
        text.Update(dt);
        if (timer >= 10.0f)
            Leave(kSlidingOut);
        break;
    case kSlidingOut:
        text.Update(dt);
        if (timer >= 1.0f) {
            Leave(kHidden);
            EnableLogo(true);
        }
        break;
    default:
        break;
    }
}

void HiScorePanel::Tick(int parameter)
{
    idleClockRunning = parameter > 0;
    if (state == kHidden)
        timer = 0.0f;
}

bool HiScorePanel::Click()
{
    if (state != kShown)
        return false;
    Leave(kSlidingOut);
    return true;
}

float HiScorePanel::X() const
{
    switch (state) {
    case kSlidingIn:
        return slide.getGlobalFrame(timer);
    case kSlidingOut:
        return slide.getGlobalFrame(1.0f - timer);
    default:
        return 25.0f;
    }
}

void HiScorePanel::FillRows(TextWithEffects& text, const std::vector<HiScoresElem>& table)
{
    const int entries = static_cast<int>(table.size());
    const std::string cycle = GetText("Cycle");
    for (int i = 1; i <= kRows; ++i) {
        const std::string row = std::to_string(i);
        std::string name, value, adventure;
        if (i <= entries) {
            const HiScoresElem& entry = table[static_cast<std::size_t>(i - 1)];
            name = entry.name;
            value = std::to_string(entry.score);
            adventure = cycle + " " + std::to_string(entry.cycle);
        }
        text.String("Name" + row).SetText(name);
        text.String("Value" + row).SetText(value);
        text.String("Adventure" + row).SetText(adventure);
    }
}
