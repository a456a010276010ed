#include "gui/widgets/Credits.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/XmlAttributes.h"
#include "gui/FontAccess.h"
#include "gui/ResourceAccess.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/CreditsColorDrift.h"
#include "gui/widgets/CreditsModule.h"

#include <tinyxml.h>

namespace {

// A registered picture that is in video memory, or null: what is missing
// is skipped.
Sprite* UploadedPicture(const std::string& name)
{
    Sprite* picture = GuiResources::FindTexture(name);
    return picture && picture->deviceTexture != 0 ? picture : nullptr;
}

void DrawPicture(const std::string& name, int x, int y)
{
    Sprite* picture = UploadedPicture(name);
    if (!picture)
        return;
    picture->Bind();
    g_renderDevice.DrawRect(x, y, picture->textureWidth, picture->textureHeight);
}

} // namespace

Credits::Credits(const std::string& widgetName, const TiXmlElement* element) : Widget(widgetName)
{
    Load(element);
    _text = FindTextResource("Credits");

    CreditsModuleState& module = CreditsModule();
    // One roll at a time: the previous widget's drift and rainbows end.
    if (module.drift)
        module.drift->Forget();
    for (ParticleEffect* rainbow : module.rainbows.effects)
        rainbow->Stop();

    _drift = new CreditsColorDrift(this);
    module.drift = _drift;
    kernel.AddController(_drift);

    module.fish.assign(CreditsModuleState::kFishCount, SwimmingFish());
    for (SwimmingFish& fish : module.fish)
        fish.Init();

    module.rainbows.Add("HistoryRainbow", 74.0f, 420.0f);
    module.rainbows.Add("HistoryRainbow", 716.0f, 420.0f);
}

Credits::~Credits()
{
    if (_drift)
        _drift->Forget();
}

void Credits::Load(const TiXmlElement* element)
{
    if (!element)
        return;
    ReadIntAttribute(element, "width", _paneWidth);
    ReadIntAttribute(element, "height", _paneHeight);
    ReadFloatAttribute(element, "time", _rollTime);
    ReadIntAttribute(element, "from", _from);
    ReadIntAttribute(element, "to", _to);
    if (const TiXmlElement* place = element->FirstChildElement("position")) {
        // Kept as written: the pane's corner, y counted from the top.
        position = ReadPoint(place);
        offset = position;
        rect = Rect(position, size);
    }
    if (const TiXmlElement* place = element->FirstChildElement("textPosition"))
        _textPosition = ReadPoint(place);
    for (const TiXmlElement* child = element->FirstChildElement("Logo"); child;
         child = child->NextSiblingElement("Logo")) {
        Logo logo;
        ReadIntAttribute(child, "x", logo.x);
        ReadIntAttribute(child, "y", logo.y);
        std::string picture;
        ReadStringAttribute(child, "tex", picture);
        logo.picture = GuiResources::GetTexture(picture, logo.owned);
        _logos.push_back(std::move(logo));
    }
}

bool Credits::MouseDown(const Point&)
{
    return false;
}

void Credits::MouseDoubleClick(const Point&) {}

void Credits::Reset() {}

void Credits::AcceptMessage(const Message& message)
{
    if (message.is("Reset") && _drift)
        _drift->_time = 0.0f;
}

float Credits::RollClock() const
{
    return _drift ? _drift->_time : 0.0f;
}

int Credits::ScrollOffset() const
{
    if (!(_rollTime > 0.0f))
        return _from;
    return _from + static_cast<int>(static_cast<float>(_to - _from) / _rollTime * RollClock());
}

void Credits::Draw()
{
    RenderDevice& device = g_renderDevice;
    CreditsModuleState& module = CreditsModule();

    device.EnableFog(true);
    for (SwimmingFish& fish : module.fish)
        fish.DrawEx(false);
    device.EnableFog(false);

    device.ResetColor();
    device.SetBlendMode(1);
    device.EnableFog(true);
    for (SwimmingFish& fish : module.fish)
        fish.DrawEx(true);
    device.EnableFog(false);

    DrawPane();

    device.ResetColor();
    DrawPicture("#HISTORY_FIRST_PLANE", 0, 0);
    DrawArcs();

    device.ResetColor();
    module.rainbows.Draw();
}

void Credits::DrawPane()
{
    RenderDevice& device = g_renderDevice;
    device.BeginViewport2D(position.x, 600 - position.y, _paneWidth, _paneHeight);
    const int scroll = ScrollOffset();
    if (_text) {
        _shownText = *_text;
        _shownText.SetColor(color);
        DrawTextBlock(Point(_textPosition.x, _textPosition.y + scroll), _shownText);
    }
    device.SetColor(color);
    for (const Logo& logo : _logos) {
        if (!logo.picture)
            continue;
        logo.picture->Bind();
        device.DrawRect(logo.x, logo.y + scroll, logo.picture->textureWidth, logo.picture->textureHeight);
    }
    device.ResetColor();
    device.SetFullViewport();
    device.End2D();
}

void Credits::DrawArcs()
{
    RenderDevice& device = g_renderDevice;
    CreditsColorDrift* drift = _drift;
    Sprite* mask = UploadedPicture("#HISTORY_ARC_MASK");
    if (!drift || !mask)
        return;
    device.SetBlendMode(2);
    mask->Bind();
    Color arc = drift->_arc1._color;
    arc.a = static_cast<std::uint8_t>(static_cast<int>(drift->_arc1._level));
    device.SetColor(arc);
    device.DrawRect(400, 0, mask->textureWidth, mask->textureHeight);
    arc = drift->_arc2._color;
    arc.a = static_cast<std::uint8_t>(static_cast<int>(drift->_arc2._level));
    device.SetColor(arc);
    device.DrawRectInset(392.0f, 0.0f, -512.0f, 1024.0f, 0.0f);
    device.SetBlendMode(1);
}

Widget* CreateCredits(const TiXmlElement* element)
{
    return CreateWidgetOfKind<Credits>(element);
}
