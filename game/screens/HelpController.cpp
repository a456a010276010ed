#include "game/screens/HelpController.h"

#include "engine/util/StringUtils.h"
#include "game/board/GameField.h"
#include "game/screens/Help.h"

#include <algorithm>

HelpController::~HelpController()
{
    if (_help && _help->_controller == this)
        _help->_controller = nullptr;
}

void HelpController::OnWidgetDeleted(const Widget* widget)
{
    if (widget != _help)
        return;
    _help = nullptr;
    _finished = true;
}

void HelpController::Update(float dt)
{
    // A board that loads its scene runs the manager's pass once: this
    // controller's own step is not run again inside it.
    if (!_help || !running || _updating)
        return;
    _updating = true;
    Step(dt);
    _updating = false;
}

void HelpController::Step(float dt)
{
    time += dt;
    if (time > _help->_totalDuration) {
        _help->ResetSteps();
        return;
    }

    std::size_t counted = 0;
    for (HelpScreenAction& action : _help->_actions) {
        if (action.start < time && !action.started) {
            action.started = true;
            action.progress = 0.0f;
            if (!action.inSubWindow && action.name == "RunHelp") {
                action.finished = true;
                if (GameField* field = _help->WindowField(action.window))
                    field->RunHelp("window" + IntToString(action.window + 1));
            }
        }
        if (action.started)
            action.progress = action.speed > 0.0f ? std::min(1.0f, action.progress + dt * action.speed) : 1.0f;
        if (action.started && !action.finished && action.inSubWindow && action.name == "Move" &&
            action.subWindow >= 0 && action.subWindow < static_cast<int>(_help->_subWindows.size())) {
            HelpSubWindow& sub = _help->_subWindows[static_cast<std::size_t>(action.subWindow)];
            sub.fieldX = static_cast<int>(action.X.getGlobalFrame(action.progress));
            sub.fieldY = static_cast<int>(action.Y.getGlobalFrame(action.progress));
        }
        if (action.started && !action.finished && time >= action.End()) {
            action.finished = true;
            action.counted = true;
        }
        if (action.name == "ShowText")
            action.alpha = action.CaptionAlpha(time);
        if (action.counted)
            ++counted;
    }
    if (counted == _help->_actions.size())
        running = false;
}
