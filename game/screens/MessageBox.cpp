#include "game/screens/MessageBox.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/screens/MessageBoxFiles.h"
#include "gui/FontAccess.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/Button.h"
#include "gui/widgets/CheckBox.h"
#include "gui/widgets/WidgetServices.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kMessagesFile = "Messages.xml";
const char* const kButtonsFile = "buttons.xml";
// The three bands of the tile picture on each axis, in its pixels.
const float kBand[4] = {0.0f, 40.0f, 80.0f, 120.0f};

void Tile(const Sprite& picture, int x, int y, int column, int row)
{
    const int t = MessageBox::kTile;
    g_renderDevice.DrawRectUV(Rect(x, y, t, t), picture.U(kBand[column]), picture.U(kBand[column + 1]),
                              picture.V(kBand[row]), picture.V(kBand[row + 1]));
}

// A widget's corner and hit rectangle moved to (x, y), its offset cleared.
void PlaceWidget(Widget& widget, int x, int y)
{
    widget.offset = Point();
    widget.SetRect(x, y, widget.size.x, widget.size.y);
}

} // namespace

MessageBoxLayout ComputeMessageBoxLayout(int textWidth, int textHeight, int checkBoxWidth, int checkBoxHeight,
                                         int buttonWidth, int buttonHeight)
{
    const int t = MessageBox::kTile;
    MessageBoxLayout layout;
    layout.rowHeight = static_cast<int>(std::floor(static_cast<double>(std::max(checkBoxHeight, buttonHeight)) / t)) * t;
    layout.labelSpan = checkBoxWidth + 120;
    const int content = std::max(buttonWidth + layout.labelSpan + 10, textWidth + 39);
    layout.width = static_cast<int>(static_cast<double>(content) * 0.025 + 2.0) * t;
    layout.height = static_cast<int>(static_cast<double>(textHeight) * 0.025 + 2.0) * t + layout.rowHeight;
    return layout;
}

MessageBox::MessageBox(const std::string& name, GameInfo& info)
    : Widget(name)
{
    fixed = true;
    _tiles = GetWidgetPicture("#message_tile_texture");
    _shadow = GetWidgetPicture("#message_tile_shadow");
    _text = LoadMessageText(kMessagesFile, name);
    MessageBoxButtons buttons = LoadMessageBoxButtons(kButtonsFile);
    _checkBox = std::move(buttons.checkBox);
    _button = std::move(buttons.button);
    if (_checkBox) {
        const bool hints = info.GetPlayer(info.getName()).hintsEnabled;
        _checkBox->AcceptMessage(Message("SetState", hints ? "1" : "0"));
    }
    _layout = ComputeMessageBoxLayout(_text ? _text->width : 0, _text ? _text->height : 0,
                                      _checkBox ? _checkBox->size.x : 0, _checkBox ? _checkBox->size.y : 0,
                                      _button ? _button->size.x : 0, _button ? _button->size.y : 0);
    SetRect(100, 100, _layout.width, _layout.height);
    PlaceButtons();
    SetCurveKeys(_shadowCurve, {-10.0f, 15.0f, 12.0f});
    SetCurveKeys(_scaleCurve, {0.5f, 1.1f, 1.0f});
}

MessageBox::~MessageBox()
{
    kernel.StopControllersOf(this);
}

void MessageBox::PlaceButtons()
{
    const int buttonWidth = _button ? _button->size.x : 0;
    const float left = static_cast<float>(position.x) + static_cast<float>(size.x) * 0.5f -
                       static_cast<float>(buttonWidth + _layout.labelSpan + 20) * 0.5f;
    const float bottom = static_cast<float>(position.y);
    if (_checkBox)
        PlaceWidget(*_checkBox, static_cast<int>(left), static_cast<int>(bottom + kTile * 0.83f - 5.0f));
    if (_button)
        PlaceWidget(*_button, static_cast<int>(left + static_cast<float>(_layout.labelSpan) + 35.0f),
                    static_cast<int>(bottom + kTile * 0.5f - 5.0f));
}

void MessageBox::SetPosition(const Point& p)
{
    _anchor = p;
    SetRect(p.x, p.y, size.x, size.y);
    PlaceButtons();
}

Point MessageBox::ToButtons(const Point& p) const
{
    return Point(p.x + static_cast<int>(_boxOffsetX), p.y - static_cast<int>(_boxOffsetY));
}

bool MessageBox::MouseDown(const Point& p)
{
    const Point q = ToButtons(p);
    if (_button && _button->MouseDown(q))
        return true;
    if (_checkBox && _checkBox->MouseDown(q))
        return true;
    return Widget::MouseDown(p);
}

void MessageBox::MouseUp(const Point& p)
{
    const Point q = ToButtons(p);
    if (_button)
        _button->MouseUp(q);
    if (_checkBox)
        _checkBox->MouseUp(q);
    Widget::MouseUp(p);
}

void MessageBox::MouseMove(const Point& p)
{
    const Point q = ToButtons(p);
    if (_button)
        _button->MouseMove(q);
    if (_checkBox)
        _checkBox->MouseMove(q);
    Widget::MouseMove(p);
    SetPosition(_anchor);
}

void MessageBox::DrawFrame(const Sprite& picture) const
{
    const int t = kTile;
    const int w = size.x;
    const int h = size.y;
    Tile(picture, 0, 0, 0, 0);
    Tile(picture, w - t, 0, 2, 0);
    Tile(picture, 0, h - t, 0, 2);
    Tile(picture, w - t, h - t, 2, 2);
    for (int i = 1; i <= w / t - 2; ++i) {
        Tile(picture, i * t, 0, 1, 0);
        Tile(picture, i * t, h - t, 1, 2);
    }
    for (int j = 1; j <= h / t - 2; ++j) {
        Tile(picture, 0, j * t, 0, 1);
        Tile(picture, w - t, j * t, 2, 1);
    }
    for (int i = 1; i <= w / t - 2; ++i)
        for (int j = 1; j <= h / t - 2; ++j)
            Tile(picture, i * t, j * t, 1, 1);
}

void MessageBox::DrawButton(Widget& button, int centreWidth, float scale)
{
    RenderDevice& device = g_renderDevice;
    const float bx = static_cast<float>(position.x) + static_cast<float>(size.x) / 2.0f;
    const float by = static_cast<float>(position.y) + static_cast<float>(size.y) / 2.0f;
    const float cx = static_cast<float>(button.position.x) + static_cast<float>(centreWidth) / 2.0f;
    const float cy = static_cast<float>(button.position.y) + static_cast<float>(button.size.y) / 2.0f;
    float x = bx - _boxOffsetX - scale * (bx - cx);
    float y = by + _boxOffsetY - scale * (by - cy);
    if (color.a == 255) {
        x = std::floor(x);
        y = std::floor(y);
    }
    device.PushMatrix();
    device.Translate(Vector3(x, y, 0.0f));
    device.Scale(scale, scale, 1.0f);
    button.color = color;
    const Point savedPosition = button.position;
    const Rect savedRect = button.rect;
    button.position = Point(-centreWidth / 2, -button.size.y / 2);
    button.Draw();
    button.position = savedPosition;
    button.rect = savedRect;
    device.PopMatrix();
}

void MessageBox::Draw()
{
    RenderDevice& device = g_renderDevice;
    if (_text)
        _text->SetColor(color);
    const float a = static_cast<float>(color.a) / 255.0f;
    _shadowOffset = _shadowCurve.getGlobalFrame(a);
    _scale = _scaleCurve.getGlobalFrame(a);
    _boxOffsetX = _boxOffsetY = _shadowOffset * 0.5f;
    const float s = _scale;
    const float x = static_cast<float>(position.x);
    const float y = static_cast<float>(position.y);
    const float w = static_cast<float>(size.x);
    const float h = static_cast<float>(size.y);

    if (_shadow) {
        device.SetColor(Color(0, 0, 0, static_cast<std::uint8_t>(color.a / 2)));
        device.PushMatrix();
        device.Translate(Vector3((w + _boxOffsetX) * 0.5f + x - w * s * 0.5f, h * 0.5f + (y - _boxOffsetY * 0.5f) - h * s * 0.5f,
                                 0.0f));
        device.Scale(s, s, 1.0f);
        _shadow->BindAlphaOnly();
        DrawFrame(*_shadow);
        device.PopMatrix();
    }

    device.SetColor(color);
    device.PushMatrix();
    device.Translate(Vector3(w * 0.5f + (x - _boxOffsetX) - w * s * 0.5f, y + static_cast<float>(size.y / 2) + _boxOffsetY - h * s * 0.5f,
                             0.0f));
    device.Scale(s, s, 1.0f);
    if (_tiles) {
        _tiles->Bind();
        DrawFrame(*_tiles);
    }
    if (_text) {
        const int t = kTile;
        const int textTop = size.y - t - (size.y - 2 * t - _layout.rowHeight - _text->height) / 2 + 10;
        DrawTextRuns(Point(size.x / 2, textTop), *_text);
    }
    device.PopMatrix();

    if (_checkBox)
        DrawButton(*_checkBox, _layout.labelSpan, s);
    if (_button)
        DrawButton(*_button, _button->size.x, s);
    device.ResetColor();
}
