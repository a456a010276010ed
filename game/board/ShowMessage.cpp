#include "game/board/ShowMessage.h"

#include "engine/platform/InputState.h"
#include "game/board/BoardControllerNames.h"
#include "game/board/GameField.h"
#include "game/screens/MessageBox.h"
#include "gui/GUIManager.h"
#include "gui/InputMap.h"
#include "gui/Layer.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/CheckBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
// How far a box near a point keeps from it.
constexpr int kAside = 40;
constexpr int kAbove = 60;
constexpr int kBelow = 90;

Layer* LayerOf(const GameField* field)
{
    return field && !field->layerName.empty() ? GUI.getLayer(field->layerName) : nullptr;
}

} // namespace

Point ShowMessage::PlaceBox(int x, int y, int w, int h, bool placeNear, int tipX)
{
    if (!placeNear)
        return Point(x - w / 2, y - h / 2);

    const bool offRight = x + w / 2 > kScreenWidth - 1;
    const bool offLeft = x - w / 2 < 1;
    int cx = x - w / 2;
    if (offRight || offLeft) {
        if (x + w / 2 < kScreenWidth)
            cx = x - w / 2 < 0 ? x + kAside : x;
        else
            cx = x - kAside - w;
    }

    int cy = 0;
    if (y + h + kAbove < kScreenHeight) {
        cy = y + kAbove;
    } else if (y - h - kAside >= 0) {
        cy = y - h - kBelow;
    } else {
        // No room above or below: level with the point, moved aside when it
        // would cover it at a screen edge.
        cy = y - h / 2;
        if (cx + w / 2 == tipX) {
            if (x - w / 2 < 0)
                cx = x + kAside;
            else if (x + w / 2 > kScreenWidth - 1)
                cx = x - kAside - w;
        }
    }
    return Point(cx, cy);
}

ShowMessage::ShowMessage(const std::string& tipName, int x, int y, GameField* field, bool placeNear)
    : FieldController("ShowMessage", field)
    , _tipName(tipName)
{
    field->_tipFade = 0.0f;

    _ownedBox = std::make_unique<MessageBox>(tipName);
    _box = _ownedBox.get();
    _box->name = kTipBoxName;
    if (CheckBox* check = _box->GetCheckBox())
        check->name = kTipBoxCheckName;
    field->_tipBoxValue = _box->GetCheckBox();

    const Point corner = PlaceBox(x, y, _box->size.x, _box->size.y, placeNear, field->_tipPosition.x);
    _box->SetPosition(corner);
    AttachBox();
    SetBoxAlpha(0);

    field->_isShowMessage = true;
    field->_closeTip = false;

    kernel.FlushPending();
    for (const char* held : BoardControllerNames::With(BoardControllerNames::kHeldByTip))
        field->PauseController(held);
}

void ShowMessage::AttachBox()
{
    GameField* field = _field;
    _box->parent = field;
    _box->parentName = field->name;
    field->children.push_back(_box);
    Layer* layer = LayerOf(field);
    if (layer && layer->AddWidget(_box))
        _ownedBox.release();
    g_inputWidgets.Remove(kTipBoxName);
    g_inputWidgets.Add(_box);
    _box->MouseMove(g_input.ScreenPoint());
}

void ShowMessage::UnlinkBox()
{
    if (!_field || !_box)
        return;
    auto& children = _field->children;
    children.erase(std::remove(children.begin(), children.end(), _box), children.end());
    if (_field->_tipBoxValue == _box->GetCheckBox())
        _field->_tipBoxValue = nullptr;
}

void ShowMessage::DetachBox()
{
    UnlinkBox();
    MessageBox* box = _box;
    _box = nullptr;
    if (!box)
        return;
    if (g_inputWidgets.Find(kTipBoxName) == box)
        g_inputWidgets.Remove(kTipBoxName);
    box->parent = nullptr;
    if (_ownedBox) {
        _ownedBox.reset();
        return;
    }
    Layer* layer = LayerOf(_field);
    if (layer && layer->getWidget(kTipBoxName) == box)
        layer->RemoveWidget(kTipBoxName);
}

ShowMessage::~ShowMessage()
{
    DetachBox();
    if (!_field)
        return;
    _field->_isShowMessage = false;
    for (const char* held : BoardControllerNames::With(BoardControllerNames::kHeldByTip))
        _field->ResumeController(held);
}

void ShowMessage::SetBoxAlpha(int alpha)
{
    if (_box)
        _box->color = Color(255, 255, 255, static_cast<std::uint8_t>(std::clamp(alpha, 0, 255)));
}

void ShowMessage::Update(float dt)
{
    if (!_field)
        return;
    if (!_field->_closeTip) {
        SetBoxAlpha(_time < kFadeIn ? static_cast<int>(_time * 510.0f) : 255);
        _time += dt;
        _field->_tipFade = _time;
        return;
    }
    if (_closingNotStarted) {
        _time = 0.0f;
        _closingNotStarted = false;
        // A closing box takes no more presses.
        if (_box && g_inputWidgets.Find(kTipBoxName) == _box)
            g_inputWidgets.Remove(kTipBoxName);
    }
    for (const char* released : BoardControllerNames::With(BoardControllerNames::kReleasedOnClose))
        _field->ResumeController(released);
    _field->_tipShown = false;
    SetBoxAlpha(_time < kFadeOut ? static_cast<int>(255.0f - _time * 1020.0f) : 0);
    _time += dt;
    _field->_tipFade = _time;
}

bool ShowMessage::IsFinished()
{
    if (_finished || !_field)
        return true;
    return _time > kFadeOut && _field->_closeTip && !_closingNotStarted;
}

void ShowMessage::OnWidgetDeleted(const Widget* widget)
{
    if (widget && widget == _box) {
        // Its layer deletes it: the board forgets it, and so does the tip.
        UnlinkBox();
        _box = nullptr;
        _finished = true;
        return;
    }
    FieldController::OnWidgetDeleted(widget);
}

void ShowMessage::OnFieldGone()
{
    // The board's layer deletes the box with the board.
    if (_box && g_inputWidgets.Find(kTipBoxName) == _box)
        g_inputWidgets.Remove(kTipBoxName);
    if (_box)
        _box->parent = nullptr;
    if (!_ownedBox)
        _box = nullptr;
}
