#pragma once

// The flash bonus: from the chosen chip, bolts jump one by one to every
// other chip of its colour, which trembles once struck; then the struck
// chips shatter one by one, each bolt going out with its chip. When it ends
// the board falls into the holes.

#include "engine/util/Point.h"
#include "game/board/FieldController.h"

#include <list>
#include <memory>
#include <vector>

class Flash;

class WonderBonus : public FieldController {
public:
    WonderBonus(int x, int y, GameField* field);
    // The bolts stop and the board falls.
    ~WonderBonus() override;

    void Update(float dt) override;
    bool IsFinished() override;

    // The cells still to strike and those struck, in order.
    std::vector<Point> _pending;
    std::vector<Point> _struck;
    float _interval = 0.0f;

    // The bolts made, oldest first; a bolt stopped by name elsewhere is
    // passed by.
    struct Bolt {
        Flash* flash;
        std::weak_ptr<int> alive;
    };
    std::list<Bolt> _flashes;

private:
    void Tremble();
    void StrikeNext();
    void DestroyNext();
    Point CellCentre(const Point& cell) const;
};
