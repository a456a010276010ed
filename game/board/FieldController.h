#pragma once

// The base of every controller and effect a board starts. Its name is the
// board's controller name for its own name (the board widget's name, "_",
// the name), so that each board stops, pauses and resumes only its own. It
// forgets its board when the board goes away, and the squares the board
// tells it are leaving.

#include "gui/controllers/IController.h"

#include <string>

class GameField;
class Square;

class FieldController : public IController {
public:
    FieldController(const std::string& ownName, GameField* field);

    // The board is about to be deleted: the controller forgets it (and the
    // squares it holds) and finishes without touching them again.
    void OnWidgetDeleted(const Widget* widget) override;
    // The square leaves the board: a controller holding it lets it go.
    virtual void OnSquareLeaving(const Square* square) {}
    // Stopped by its board (a reset): finishes, whether running or not yet.
    virtual void Stop() { _finished = true; }

    // Null once the board has gone.
    GameField* Field() const { return _field; }

protected:
    // Called by OnWidgetDeleted before the board is forgotten: drop every
    // pointer into the board.
    virtual void OnFieldGone() {}

    GameField* _field;
};
