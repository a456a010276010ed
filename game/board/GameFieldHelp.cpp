// The help mode: a help board loads a prepared board and a help cursor plays
// a scene of help.xml on it (moves, presses, waits and fades), the refill
// taking the scene's square kinds in turn.

#include "game/board/GameField.h"

#include "engine/util/MathFunctions.h"
#include "game/board/HelpSceneFile.h"

#include <cmath>

void GameField::RunHelp(const std::string& name)
{
    SetCanAcceptMouse(false, "_canAcceptMouse = ", "GameField::RunHelp");
    _sunEnergy = 0.3f;
    _shownSunEnergy = 0.3f;
    _sunComplete = false;
    _helpBackgroundAlpha = 0.0f;
    _isActive = true;
    _helpPlayback = HelpPlayback();
    _helpActions.clear();
    SetBlocked(false, "GameField::RunHelp");

    HelpScene scene;
    if (!ReadHelpScene("help.xml", name, scene))
        return;
    _helpCursor = scene.cursor;
    LoadBoardState(scene.state);
    _helpActions = scene.actions;
    _helpRandoms = scene.randoms;
    _helpRandomIndex = 0;
}

bool GameField::StepHelp(float dt)
{
    if (!_isHelpMode || !_isActive)
        return false;
    _effectClock += dt;
    _canAcceptMouse = true;

    HelpPlayback& play = _helpPlayback;
    play.progress += dt * play.rate;
    if (play.progress < 1.0f) {
        if (play.kind == HelpAction::kMouseMove) {
            const float e = ease(play.progress, 0.5f, 0.5f);
            _helpCursor = Point(play.start.x + static_cast<int>(static_cast<float>(play.target.x - play.start.x) * e),
                                play.start.y + static_cast<int>(static_cast<float>(play.target.y - play.start.y) * e));
        } else if (play.kind == HelpAction::kFade) {
            _helpBackgroundAlpha = play.startAlpha + (play.targetAlpha - play.startAlpha) * play.progress;
        }
    } else {
        play.progress = 0.0f;
        if (play.kind == HelpAction::kMouseMove) {
            _helpCursor = play.target;
        } else if (play.kind == HelpAction::kMouseDown) {
            const Point at(_helpCursor.x + _originX, _helpCursor.y + _originY);
            MouseDown(at);
            MouseUp(at);
        } else if (play.kind == HelpAction::kFade) {
            _helpBackgroundAlpha = play.targetAlpha;
        }

        if (play.next < _helpActions.size()) {
            const HelpAction& action = _helpActions[play.next++];
            play.kind = action.kind;
            // A duration of 0 or less ends at the next step.
            play.rate = action.duration > 0.0f ? 1.0f / action.duration : 0.0f;
            if (action.kind == HelpAction::kMouseMove) {
                play.start = _helpCursor;
                play.target = Point(action.x, action.y);
            } else if (action.kind == HelpAction::kFade) {
                play.startAlpha = _helpBackgroundAlpha;
                play.targetAlpha = action.alpha;
            }
            if (action.kind == HelpAction::kMouseDown || action.duration <= 0.0f)
                play.progress = 1.0f;
        } else {
            play.kind = HelpAction::kSleep;
            play.rate = 0.0f;
        }
    }
    _canAcceptMouse = false;
    return true;
}
