// The end of a level, the lost life, the added life and the board's big
// texts.

#include "game/board/GameField.h"

#include "engine/resources/ResourceManager.h"
#include "engine/util/StringUtils.h"
#include "game/board/EndLevelManager.h"
#include "game/board/effects/DecLives.h"
#include "game/board/effects/LetterText.h"
#include "game/board/effects/LifeBonus.h"
#include "game/state/Player.h"

namespace {

// One row of the country titles' picture per stage.
constexpr float kCountryRow = 0.09765625f;

} // namespace

void GameField::StartEndLevelManager(int outcome)
{
    AddController(new EndLevelManager(this, outcome != 0));
    _endLevelRunning = true;
}

void GameField::StartDecLives()
{
    AddController(new DecLives(this));
}

void GameField::AddLifeEffect()
{
    AddController(new LifeBonus(this));
}

void GameField::ShowLetterText(const std::string& text, const Point& at, float value)
{
    AddController(new LetterText(at, text, LetterText::Picture(), 0.0f, value, this, 1));
}

void GameField::AddLevelStartTexts(const Player& player)
{
    LetterText::Picture country;
    country.sprite = g_resourceManager.GetTexture("#Country");
    country.width = 256;
    country.height = 48;
    country.vLow = 1.0f - static_cast<float>(player.stage) * kCountryRow;
    country.vHigh = country.vLow + kCountryRow;
    auto* countryText = new LetterText(Point(537, 330), "", country, 0.0f, 0.25f, this, 5);
    AddController(countryText);

    auto* levelText = new LetterText(Point(537, 280), _stageText + " " + IntToString(player.level),
                                     LetterText::Picture(), -1.7f, 0.4f, this, 2);
    levelText->SetSound("LevelStartStage");
    levelText->SetFont("TitleLight");
    AddController(levelText);

    LetterText::Picture go;
    go.sprite = g_resourceManager.GetTexture("#GoText");
    go.width = 256;
    go.height = 136;
    go.vLow = 0.46875f;
    go.vHigh = 1.0f;
    auto* goText = new LetterText(LetterText::kBigTextPoint, "", go, -4.5f, 0.8f, this, 3);
    goText->SetSound("Go");
    AddController(goText);
}
