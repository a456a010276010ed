#include "game/screens/GameStatistics.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlFile.h"
#include "game/screens/StatisticsController.h"
#include "gui/FontAccess.h"
#include "gui/TextResource.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

namespace {

const char* const kPageFile = "TextWithEffects.xml";
const char* const kLayer = "Statistics";
const char* const kOkButton = "Ok";

} // namespace

std::string FormatLevelTime(float seconds)
{
    const float time = seconds > 0.0f ? seconds : 0.0f;
    const int minutes = static_cast<int>(time * 0.016666668f);
    const int rest = static_cast<int>(time) % 60;
    return std::string(minutes < 10 ? " 0" : " ") + IntToString(minutes) + ":" + (rest < 10 ? "0" : "") +
           IntToString(rest);
}

GameStatistics::GameStatistics(const std::string& widgetName, const TiXmlElement*, GameInfo& info)
    : Widget(widgetName)
    , _info(info)
{
    SetPosition(Point(0, 0));
    TiXmlDocument document;
    const TiXmlElement* page = nullptr;
    if (LoadXmlFile(kPageFile, document) && document.RootElement())
        page = document.RootElement()->FirstChildElement("Text");
    if (!page)
        LogError(kPageFile, "The statistics page has no \"Text\": the page shows nothing");
    _text.Load(page);
    _text.SetOwner(&effects);
    _text.Finish();
    _controller = new StatisticsController(this);
    kernel.AddController(_controller);
}

GameStatistics::~GameStatistics()
{
    kernel.StopControllersOf(this);
}

void GameStatistics::ForgetController(const StatisticsController* controller)
{
    if (_controller == controller)
        _controller = nullptr;
}

void GameStatistics::Draw()
{
    _text.DrawAt(position);
}

void GameStatistics::AcceptMessage(const Message& message)
{
    if (message.publisher == "Start")
        Start();
    else if (message.publisher == "Finish")
        Finish();
}

void GameStatistics::EnableOk(bool enabled)
{
    Widget* ok = FindLayerWidget(kLayer, kOkButton);
    if (!ok) {
        LogError("Statistics page", "The layer \"Statistics\" has no widget \"Ok\" to enable or disable");
        return;
    }
    ok->AcceptMessage(Message("Active", enabled ? 1 : 0));
}

void GameStatistics::SetValue(const std::string& stringName, const std::string& value, bool withHeight)
{
    TextEffectString& string = _text.String(stringName);
    const float height = string._height;
    string.SetText(value);
    // Only the first four values take the font's height with their text.
    if (withHeight)
        string._height = static_cast<float>(FontLineHeight(string._font));
    else
        string._height = height;
}

void GameStatistics::FillTip(int tipNumber)
{
    const TextResource* tip = FindTextResource("Tip" + IntToString(tipNumber));
    TextEffectString& caption = _text.String("TipCaption");
    if (!tip) {
        // Without its text a tip shows neither its caption nor its lines.
        LogError("Statistics page", "There is no text \"Tip" + IntToString(tipNumber) + "\" to show");
        caption._enabled = false;
        for (int k = 1; k <= kTipLines; ++k)
            _text.String("Tip" + IntToString(k))._enabled = false;
        return;
    }
    int y = (tip->height + 24) / 2 - 375;
    caption._enabled = true;
    caption._y = static_cast<float>(y);
    y -= 25;
    for (int k = 1; k <= kTipLines; ++k) {
        TextEffectString& line = _text.String("Tip" + IntToString(k));
        if (static_cast<int>(tip->lines.size()) >= k) {
            line._enabled = true;
            line.SetText(tip->lines[static_cast<std::size_t>(k - 1)].text);
            line._y = static_cast<float>(y);
            y -= 15;
        } else {
            line._enabled = false;
        }
    }
}

void GameStatistics::Start()
{
    if (_controller) {
        _controller->done = false;
        _controller->time = 0.0f;
    }
    EnableOk(false);
    const Player& player = _info.GetPlayer(_info.getName());
    const LevelStartState& start = *_info.GetLevelStartState();
    const int tiles = player.tiles - start.tiles;
    const int matches = player.numMatches - start.numMatches;
    const int score = player.score - start.score;
    const int pieces = player.pieces - start.pieces;
    FillTip(player.wiseTipNumber + 1);
    SetValue("TilesValue", " " + IntToString(tiles), true);
    SetValue("TimeValue", FormatLevelTime(player.levelTime), true);
    SetValue("TimeBonusValue", " " + IntToString(player.timeBonus), true);
    SetValue("MatchesValue", " " + IntToString(matches), true);
    SetValue("ScoreValue", " " + IntToString(score - player.timeBonus), false);
    SetValue("PiecesValue", " " + IntToString(pieces), false);
    _text.Reset();
}

void GameStatistics::Finish()
{
    if (!_controller || _text.AllFinished() || _controller->time < 0.3f)
        return;
    _controller->done = true;
    _controller->time = 0.0f;
    _text.Finish();
    EnableOk(true);
}
