#pragma once

// The hand-over of a won country's artefact to the shield: the artefact
// grows over the board while a black veil darkens it, then the screen turns
// to the "Shield" layer, which is told which artefact was taken and where it
// starts. The menu button of the screen stays out of sight meanwhile.

#include "engine/util/Point.h"
#include "game/board/FieldController.h"

class Widget;

class ArtefactCollecting : public FieldController {
public:
    // The phases' rates (local time per second) and the veil's steps.
    static constexpr float kStartRate = 100.0f;
    static constexpr float kGrowRate = 0.15f;
    static constexpr float kDarkenRate = 2.0f;
    static constexpr int kGrownVeil = 192;

    explicit ArtefactCollecting(GameField* field);
    // The artefact stays drawn whole.
    ~ArtefactCollecting() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || _done; }

    int Phase() const { return _phase; }
    // Where the menu button stood when the hand-over began (y downward).
    const Point& MenuPosition() const { return _menuPos; }

private:
    // The layers' change and the shield's messages.
    void HandOver();
    // The menu button of the current layer; logged when there is none.
    static Widget* MenuWidget();

    float _rate = kStartRate;
    int _phase = 0;
    bool _done = false;
    bool _menuSaved = false;
    Point _menuPos;
};
