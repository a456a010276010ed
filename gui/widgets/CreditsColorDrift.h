#pragma once

// The clock of the credits roll and the drift of its two light arcs: each
// arc moves its brightness and colour toward a random target over a random
// period, then picks the next. It also swims the credits' fish. It never
// finishes while its widget lives.

#include "gui/controllers/IController.h"
#include "gui/effects/ColorDrift.h"

class Credits;

class CreditsColorDrift : public IController {
public:
    using Arc = ColorDrift;

    // Both arcs start between brightness 100 and 255, with periods of 0.2 to
    // 1 second and colours between grey 100 and white.
    explicit CreditsColorDrift(Credits* credits);
    // Its widget no longer reaches it.
    ~CreditsColorDrift() override;

    // The roll time (looping at the widget's roll time), the fish and the arcs.
    void Update(float dt) override;
    // Only once its widget has gone.
    bool IsFinished() override { return _finished; }
    void OnWidgetDeleted(const Widget* widget) override;
    // The widget is going away: forget it and finish.
    void Forget();

    Credits* _credits;
    Arc _arc1;
    Arc _arc2;
};
