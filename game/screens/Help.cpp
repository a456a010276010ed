#include "game/screens/Help.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/RenderDevice.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlFile.h"
#include "game/board/GameField.h"
#include "game/screens/HelpController.h"
#include "game/state/StrictXmlReader.h"
#include "gui/FontAccess.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"

#include <tinyxml.h>

#include <algorithm>

namespace {

int IntOf(StrictXmlReader& reader, const TiXmlElement* element, const char* name)
{
    int value = 0;
    reader.OptionalInt(element, name, value);
    return value;
}

float FloatOf(StrictXmlReader& reader, const TiXmlElement* element, const char* name)
{
    float value = 0.0f;
    reader.OptionalFloat(element, name, value);
    return value;
}

std::string TextOf(const TiXmlElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    return text ? text : "";
}

// The keys of a curve's "Key" children, gradients calculated.
void ReadCurve(StrictXmlReader& reader, const TiXmlElement* element, SplinePath<float>& curve)
{
    if (!element)
        return;
    for (const TiXmlElement* key = element->FirstChildElement("Key"); key; key = key->NextSiblingElement("Key"))
        curve.addKey(FloatOf(reader, key, "value"));
    curve.CalculateGradient(false);
}

// The step's time from its duration: a duration of 0 or less ends at once.
void Time(HelpScreenAction& action, float duration, float& clock)
{
    action.start = clock;
    action.duration = std::max(0.0f, duration);
    action.speed = duration > 0.0f ? 1.0f / duration : 0.0f;
    if (action.name == "Sleep")
        clock += action.duration;
}

TextBlock Faded(const TextBlock& block, float alpha)
{
    TextBlock faded = block;
    const float share = std::clamp(alpha, 0.0f, 255.0f) / 255.0f;
    for (TextResourceLine& line : faded.lines)
        line.color.a = static_cast<std::uint8_t>(static_cast<float>(line.color.a) * share);
    return faded;
}

} // namespace

float HelpScreenAction::CaptionAlpha(float time) const
{
    if (!started)
        return alpha1;
    if (finished)
        return alpha2;
    const float e = time - start;
    const float end = End();
    if (tFade <= 0.0f)
        return 255.0f;
    if (e <= tFade)
        return alpha1 + (255.0f - alpha1) / tFade * e;
    if (time <= end - tFade)
        return 255.0f;
    return 255.0f + (alpha2 - 255.0f) / tFade * (time - (end - tFade));
}

Help::Help(const std::string& widgetName, const TiXmlElement*) : Widget(widgetName)
{
    if (!Load("help.xml"))
        return;
    _controller = new HelpController(this);
    kernel.AddController(_controller);
    ResetSteps();
    _controller->Update(1.0f);
    _controller->running = false;
    AcceptMessage(Message("Init"));
}

Help::~Help()
{
    kernel.StopControllersOf(this);
    _fields.clear();
}

bool Help::Load(const std::string& fileName)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document) || !document.RootElement()) {
        WriteLogLine("The help screen finds no " + fileName + "; it stays empty");
        return false;
    }
    const TiXmlElement* main = document.RootElement()->FirstChildElement("MainHelp");
    if (!main) {
        WriteLogLine(fileName + " has no MainHelp; the help screen stays empty");
        return false;
    }
    StrictXmlReader reader(fileName);
    _totalDuration = FloatOf(reader, main, "duration");
    reader.Report("MainHelp");
    int index = 0;
    for (const TiXmlElement* window = main->FirstChildElement("Window"); window;
         window = window->NextSiblingElement("Window")) {
        LoadWindow(window, index, reader);
        reader.Report("Window " + IntToString(index + 1));
        ++index;
    }
    return true;
}

void Help::LoadWindow(const TiXmlElement* element, int index, StrictXmlReader& reader)
{
    const Rect rect(IntOf(reader, element, "x"), IntOf(reader, element, "y"), IntOf(reader, element, "w"),
                    IntOf(reader, element, "h"));
    _windowRects.push_back(rect);
    auto field = std::make_unique<GameField>("pole" + IntToString(index), nullptr);
    field->_isHelpMode = true;
    field->_helpBoardVisible = false;
    if (const TiXmlElement* origin = element->FirstChildElement("FieldInFieldPos"))
        field->SetOrigin(IntOf(reader, origin, "x"), IntOf(reader, origin, "y"));
    if (const TiXmlElement* anchor = element->FirstChildElement("ArtefactPos"))
        field->SetAnchorPoint(IntOf(reader, anchor, "x"), IntOf(reader, anchor, "y"));
    if (const TiXmlElement* background = element->FirstChildElement("FieldBackground"))
        field->SetHelpBackground(TextOf(background, "name"));
    _fields.push_back(std::move(field));

    float clock = 0.0f;
    for (const TiXmlElement* sub = element->FirstChildElement("SubWindow"); sub;
         sub = sub->NextSiblingElement("SubWindow")) {
        HelpSubWindow window;
        window.x = IntOf(reader, sub, "x");
        window.y = IntOf(reader, sub, "y");
        window.w = IntOf(reader, sub, "w");
        window.h = IntOf(reader, sub, "h");
        window.window = index;
        const TiXmlElement* place = sub->FirstChildElement("FieldPos");
        window.fieldX = IntOf(reader, place, "x");
        window.fieldY = IntOf(reader, place, "y");
        window.fieldScale = 1.0f;
        reader.OptionalFloat(place, "scale", window.fieldScale);
        _subWindows.push_back(window);
        for (const TiXmlElement* step = sub->FirstChildElement("Action"); step;
             step = step->NextSiblingElement("Action")) {
            HelpScreenAction action;
            action.name = TextOf(step, "name");
            if (action.name != "Move" && action.name != "Sleep") {
                WriteLogLine("help.xml: a sub-window's action \"" + action.name + "\" is skipped");
                continue;
            }
            action.window = index;
            action.inSubWindow = true;
            action.subWindow = static_cast<int>(_subWindows.size()) - 1;
            ReadCurve(reader, step->FirstChildElement("X"), action.X);
            ReadCurve(reader, step->FirstChildElement("Y"), action.Y);
            Time(action, FloatOf(reader, step, "duration"), clock);
            _actions.push_back(std::move(action));
        }
    }

    for (const TiXmlElement* step = element->FirstChildElement("Action"); step;
         step = step->NextSiblingElement("Action")) {
        HelpScreenAction action;
        action.name = TextOf(step, "name");
        action.window = index;
        if (action.name == "RunHelp") {
            Time(action, 0.0f, clock);
        } else if (action.name == "Sleep") {
            Time(action, FloatOf(reader, step, "duration"), clock);
        } else if (action.name == "ShowText") {
            action.position = Point(rect.x + IntOf(reader, step, "x"), rect.y + IntOf(reader, step, "y"));
            if (const TiXmlElement* text = step->FirstChildElement("Text"))
                action.text = TextBlock(text);
            action.tFade = FloatOf(reader, step, "tFade");
            action.alpha1 = FloatOf(reader, step, "alpha1");
            action.alpha2 = FloatOf(reader, step, "alpha2");
            action.alpha = action.alpha1;
            Time(action, FloatOf(reader, step, "duration"), clock);
        } else {
            WriteLogLine("help.xml: a window's action \"" + action.name + "\" is skipped");
            continue;
        }
        _actions.push_back(std::move(action));
    }
}

GameField* Help::WindowField(int window) const
{
    if (window < 0 || window >= static_cast<int>(_fields.size()))
        return nullptr;
    return _fields[static_cast<std::size_t>(window)].get();
}

void Help::ResetSteps()
{
    for (HelpScreenAction& action : _actions) {
        action.started = false;
        action.finished = false;
        action.counted = false;
        action.progress = 0.0f;
        action.alpha = action.alpha1;
    }
    if (_controller) {
        _controller->time = 0.0f;
        _controller->running = true;
    }
}

void Help::Stop()
{
    ResetSteps();
    for (const std::unique_ptr<GameField>& field : _fields) {
        field->RestartHelp();
        field->_helpActions.clear();
        field->_helpPlayback = GameField::HelpPlayback();
    }
    if (_controller)
        _controller->running = false;
}

void Help::AcceptMessage(const Message& message)
{
    if (message.is("Start")) {
        ResetSteps();
    } else if (message.is("Stop")) {
        Stop();
    } else if (message.is("Init")) {
        for (const std::unique_ptr<GameField>& field : _fields) {
            field->_helpBackgroundAlpha = 0.0f;
            field->_isActive = false;
        }
    }
}

void Help::Draw()
{
    for (const HelpScreenAction& action : _actions)
        if (action.name == "ShowText" && !action.inSubWindow)
            DrawTextRuns(action.position, Faded(action.text, action.alpha));
    g_renderDevice.ResetColor();
    if (!_controller || !_controller->running)
        return;
    for (const HelpSubWindow& sub : _subWindows) {
        GameField* field = WindowField(sub.window);
        if (!field)
            continue;
        g_renderDevice.BeginViewport2D(sub.x, 600 - sub.y - sub.h, sub.w, sub.h);
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(static_cast<float>(sub.fieldX), static_cast<float>(sub.fieldY), 0.0f));
        g_renderDevice.Scale(sub.fieldScale, sub.fieldScale, sub.fieldScale);
        field->_helpBoardVisible = true;
        field->Draw();
        field->_helpBoardVisible = false;
        g_renderDevice.PopMatrix();
        g_renderDevice.End2D();
        g_renderDevice.SetFullViewport();
    }
    g_renderDevice.ResetColor();
}

Widget* CreateHelp(const TiXmlElement* element)
{
    return CreateWidgetOfKind<Help>(element);
}
