#pragma once

// The help screen (layer files name it "Help"): a timed slide show of small
// boards, one per window of help.xml, each playing its own help scene, shown
// through clipped, scaled and panned sub-windows, with captions that fade in
// and out. Its HelpController runs the show; "Start" runs it from the
// beginning, "Stop" halts it and restarts the boards, "Init" hides them.

#include "engine/util/Point.h"
#include "engine/util/SplinePath.h"
#include "gui/TextResource.h"
#include "gui/Widget.h"

#include <memory>
#include <string>
#include <vector>

class GameField;
class HelpController;
class StrictXmlReader;
class TiXmlElement;

// One timed step of the show: a sub-window's pan ("Move"), a pause that
// delays the steps after it ("Sleep"), a board's scene ("RunHelp") or a
// caption ("ShowText").
struct HelpScreenAction {
    std::string name;
    int window = 0;
    float start = 0.0f;
    float duration = 0.0f;
    float speed = 0.0f; // 1 / duration; 0 for a step without time
    float progress = 0.0f;
    // The caption's alpha now, at its start and at its end, and its fade.
    float alpha = 0.0f;
    float alpha1 = 0.0f;
    float alpha2 = 0.0f;
    float tFade = 0.0f;
    TextBlock text;
    Point position;
    bool started = false;
    bool finished = false;
    // Finished by reaching its end (a scene started counts never).
    bool counted = false;
    bool inSubWindow = false;
    int subWindow = -1;
    SplinePath<float> X;
    SplinePath<float> Y;

    float End() const { return start + duration; }
    // The caption's alpha at the show's time.
    float CaptionAlpha(float time) const;
};

// Where a board shows: the clip rectangle (y counted as the viewport's),
// the board and where its origin sits inside, at what scale.
struct HelpSubWindow {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int window = 0;
    int fieldX = 0;
    int fieldY = 0;
    float fieldScale = 1.0f;
};

class Help : public Widget {
public:
    Help(const std::string& widgetName, const TiXmlElement* element);
    // Its controller finishes; the boards go.
    ~Help() override;

    void Draw() override;
    void Reset() override {}
    void AcceptMessage(const Message& message) override;

    // Every step back to not started; the show's time 0 and running.
    void ResetSteps();
    // The steps cleared, the boards restarted for help, the show halted.
    void Stop();
    // The board a window plays on.
    GameField* WindowField(int window) const;

    float _totalDuration = 0.0f;
    std::vector<std::unique_ptr<GameField>> _fields;
    std::vector<Rect> _windowRects;
    std::vector<HelpSubWindow> _subWindows;
    std::vector<HelpScreenAction> _actions;
    // Owned by the controller manager; cleared when it goes.
    HelpController* _controller = nullptr;

private:
    // help.xml: false when it cannot be read (the screen stays empty). An
    // attribute left out or not a number takes its default (0; a board's
    // scale 1), and each window's bad numbers are named in one log line.
    bool Load(const std::string& fileName);
    void LoadWindow(const TiXmlElement* element, int index, StrictXmlReader& reader);
};

Widget* CreateHelp(const TiXmlElement* element);
