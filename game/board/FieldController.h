#pragma once

// The base of every controller and effect a board starts. It keeps its own
// name and its board, by which the board finds it to stop, pause or resume
// it: boards that share a widget name never reach each other's controllers.
// Its full name (the board widget's name, "_", its own name) shows in the
// logs. It forgets its board when the board goes away, and the squares the
// board tells it are leaving.

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
    // The name without the board's.
    const std::string& OwnName() const { return _ownName; }

protected:
    // Called by OnWidgetDeleted before the board is forgotten: drop every
    // pointer into the board.
    virtual void OnFieldGone() {}

    GameField* _field;

private:
    std::string _ownName;
};
