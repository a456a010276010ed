#include "game/screens/MultList.h"

#include "engine/platform/CustomCursor.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/XmlAttributes.h"
#include "game/screens/MultListUpdater.h"
#include "game/state/CountryNames.h"
#include "game/state/GameInfo.h"
#include "gui/ResourceAccess.h"
#include "gui/StringTable.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"

#include <tinyxml.h>

namespace {

// Per item: the list picture's offsets, the shadow cut and the first item's
// lift.
const int kListDx[MultList::kItems] = {-4, 0, -4, -4, -4, -4, -4};
const int kListDy[MultList::kItems] = {0, 0, 0, 0, 0, 0, 1};
const int kShadowCut[MultList::kItems - 1] = {20, 21, 23, 25, 18, 18};

const Color kBlack(0, 0, 0, 255);

bool Drawable(const Sprite* picture)
{
    return picture && picture->deviceTexture != 0 && picture->textureWidth > 0 && picture->textureHeight > 0;
}

int AlphaOf(float share, float full)
{
    return static_cast<int>(share * full);
}

void SetColour(int grey, int alpha)
{
    const auto g = static_cast<std::uint8_t>(grey);
    g_renderDevice.SetColor(Color(g, g, g, static_cast<std::uint8_t>(alpha)));
}

// The whole texture with its corner at (x, y); nothing for a picture that is
// missing or not in video memory.
void DrawPicture(const Sprite* picture, int x, int y)
{
    if (!Drawable(picture))
        return;
    picture->Bind();
    g_renderDevice.DrawRect(x, y, picture->textureWidth, picture->textureHeight);
}

int ImageHeight(const Sprite* picture)
{
    return picture ? picture->imageHeight : 0;
}

Sprite* Picture(const std::string& name)
{
    return GuiResources::FindTexture("#" + name);
}

} // namespace

MultList::MultList(const std::string& widgetName, const TiXmlElement* element) : Widget(widgetName)
{
    // The pictures' sizes are known from their files' headers; their pixels
    // are loaded when the gallery is first drawn.
    LoadPictures();
    if (element) {
        ReadIntAttribute(element, "x", _x);
        ReadIntAttribute(element, "y", _y);
    }
    _updater = new MultListUpdater(this);
    kernel.AddController(_updater);
    _title = GetText("Travels");
    for (int i = 0; i < kItems; ++i)
        _captions[i] = GetText("Country" + std::to_string(i + 1));
}

MultList::~MultList()
{
    kernel.StopControllersOf(this);
}

void MultList::LoadPictures()
{
    for (int i = 0; i < kItems; ++i) {
        const std::string n = std::to_string(i + 1);
        _big[i] = Picture("BigMult" + n);
        _small[i] = Picture("SmallMult" + n);
        _list[i] = Picture("List" + n);
        if (_small[i]) {
            _listWidth += _small[i]->imageWidth;
            _listHeight = std::max(_listHeight, _small[i]->imageHeight);
        }
    }
    _activeUp = Picture("ActiveUp");
    _activeRightShadow = Picture("ActiveRightShadow");
    _disableShadow = Picture("DisableShadow");
    _disableLastShadow = Picture("DisableLastShadow");
    _lockedMult = Picture("LockedMult");
    _fade = Picture("ANIMATION_FADE");
}

int MultList::UnlockedCount()
{
    Player& player = gameInfo.GetPlayer(gameInfo.getName());
    int count = player.maxStage;
    if (player.cycle > 1)
        count = 8;
    if (!player.firstMultIsShow)
        count = 0;
    return count;
}

int MultList::ItemAt(const Point& p) const
{
    const bool inside = p.x > _x && p.x < _x + kListWidth && p.y > _y - 50 && p.y < _y + _listHeight - 3;
    return inside ? (p.x - _x) / kItemWidth : -1;
}

bool MultList::MouseDown(const Point& p)
{
    if (_pending)
        return true;
    const int item = ItemAt(p);
    if (item < 0)
        return false;
    if (item == _selected)
        return true;
    if (_selected >= 0)
        _highlight[_selected] = 0.4f;
    _previous = _selected;
    _selected = item;
    _highlight[item] = 0.6f;
    _captionState = 3;
    _pending = true;
    g_sound.PlaySample("TravelsButton");
    return true;
}

void MultList::MouseMove(const Point& p)
{
    if (ItemAt(p) >= 0 && g_cursor)
        g_cursor->SetActive();
}

void MultList::AcceptMessage(const Message& message)
{
    if (message.is("Reset")) {
        _selected = -1;
        _previous = -1;
        _captionState = 0;
        // A selection still growing in would otherwise hold every later
        // click back for good.
        _pending = false;
    }
}

void MultList::Update(float dt)
{
    for (int i = 0; i < kItems; ++i) {
        float& h = _highlight[i];
        if (i != _selected) {
            h = std::max(0.0f, h - 2.0f * dt);
            continue;
        }
        h += 2.0f * dt;
        if (h < 1.0f)
            continue;
        h = 1.0f;
        if (_pending) {
            _pending = false;
            _captionState = 2;
            PostMessage(Message(g_countryNames[i], "press", IsUnlocked(i) ? 1 : 0));
        }
    }
}

void MultList::DrawItems()
{
    RenderDevice& device = g_renderDevice;
    const int unlocked = UnlockedCount();
    const int X = _x;
    const int Y = _y;
    const int H = _listHeight;

    // The grey look.
    for (int i = 0; i < kItems; ++i) {
        const int x = X + kItemWidth * i;
        const int e = i == 0 ? 1 : 0;
        SetColour(230, AlphaOf(1.0f - _highlight[i], 255.0f));
        DrawPicture(_list[i], x + kListDx[i], Y + H - ImageHeight(_list[i]) + kListDy[i]);
        if (i < unlocked)
            DrawPicture(_small[i], x + 1, Y - 14 + e);
        else
            DrawPicture(_lockedMult, x + 25, Y - 4 + e);
    }
    // Its shadows, cut a little differently under each item.
    for (int i = 0; i < kItems; ++i) {
        const int x = X + kItemWidth * i;
        SetColour(255, AlphaOf(1.0f - _highlight[i], 200.0f));
        if (i == kItems - 1) {
            DrawPicture(_disableLastShadow, x - 6, Y - 64);
        } else if (Drawable(_disableShadow)) {
            const Sprite& shadow = *_disableShadow;
            const int cut = kShadowCut[i];
            const float textureW = static_cast<float>(shadow.textureWidth);
            const float textureH = static_cast<float>(shadow.textureHeight);
            shadow.Bind();
            device.DrawRectUV(Rect(x, Y - 64 + cut, shadow.textureWidth, shadow.imageHeight - cut), 0.0f,
                              static_cast<float>(shadow.imageWidth) / textureW, static_cast<float>(cut) / textureH,
                              static_cast<float>(shadow.imageHeight) / textureH);
        }
    }
    // The lit look.
    for (int i = 0; i < kItems; ++i) {
        const int x = X + kItemWidth * i;
        const int e = i == 0 ? 1 : 0;
        const float h = _highlight[i];
        if (i < kItems - 1) {
            SetColour(255, AlphaOf(h, 200.0f));
            DrawPicture(_activeRightShadow, x + 67, Y - 52);
        }
        SetColour(255, AlphaOf(h, 255.0f));
        DrawPicture(_activeUp, x - 10, Y + H - ImageHeight(_activeUp) + kListDy[i] + 7);
        DrawPicture(_list[i], x + kListDx[i], Y + H - ImageHeight(_list[i]) + kListDy[i] + 1);
        if (i < unlocked)
            DrawPicture(_small[i], x + 1, Y - 13 + e);
        else
            DrawPicture(_lockedMult, x + 25, Y - 3 + e);
    }
    device.ResetColor();
}

void MultList::DrawWindow()
{
    RenderDevice& device = g_renderDevice;
    if (_selected < 0)
        DrawPicture(_fade, kWindowX, kWindowY - 1);
    if (_previous >= 0 && !IsUnlocked(_previous) && _captionState > 0) {
        DrawPicture(_big[_previous], kWindowX, kWindowY);
        DrawPicture(_fade, kWindowX, kWindowY);
    }
    if (_selected < 0)
        return;
    const int alpha = AlphaOf(_highlight[_selected], 255.0f);
    if (!IsUnlocked(_selected)) {
        SetColour(255, alpha);
        DrawPicture(_big[_selected], kWindowX, kWindowY);
        device.ResetColor();
        DrawPicture(_fade, kWindowX, kWindowY);
        return;
    }
    if (_captionState == 1 || _captionState == 2)
        --_captionState;
    if (_captionState > 0) {
        device.EnableTexture(false);
        SetColour(0, alpha);
        device.DrawRect(kWindowX, kWindowY, 510, 425);
        device.EnableTexture(true);
        device.ResetColor();
        DrawPicture(_fade, kWindowX, kWindowY);
    }
}

void MultList::DrawCaptions()
{
    RenderDevice& device = g_renderDevice;
    const int selectedAlpha = _selected >= 0 ? AlphaOf(_highlight[_selected], 255.0f) : 0;
    device.SelectFont("Letter");
    SetColour(255, 255 - selectedAlpha);
    device.DrawString(400, 530, CaptionOf(_previous), 1.0f, 2, true);
    SetColour(255, selectedAlpha);
    device.DrawString(400, 530, CaptionOf(_selected), 1.0f, 2, true);
    device.ResetColor();
}

void MultList::UploadPicturesIfReleased()
{
    const Sprite* const pictures[] = {_big[0], _small[0], _list[0], _activeUp, _disableShadow, _lockedMult};
    for (const Sprite* picture : pictures)
        if (picture && picture->deviceTexture == 0 && picture->imageWidth > 0) {
            GuiResources::UploadGroup("Gallery");
            return;
        }
}

void MultList::Draw()
{
    // The first draw after the gallery was built or left loads its pictures.
    UploadPicturesIfReleased();
    RenderDevice& device = g_renderDevice;
    device.PushMatrix();
    device.Translate(Vector3(0.0f, -1.0f, 0.0f));
    DrawItems();
    device.PopMatrix();
    DrawWindow();
    DrawCaptions();
}

Widget* CreateMultList(const TiXmlElement* element)
{
    return CreateWidgetOfKind<MultList>(element);
}
