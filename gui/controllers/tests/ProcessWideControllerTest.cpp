// Controllers that are process-wide objects: listed once however often they
// are added, never deleted by the manager, back after a stop by name.

#include "gui/controllers/ControllerManager.h"

#include <gtest/gtest.h>

namespace {

class Counter : public IController {
public:
    void Update(float dt) override
    {
        ++updates;
        seconds += dt;
    }
    bool IsFinished() override { return false; }

    int updates = 0;
    float seconds = 0.0f;
};

} // namespace

TEST(ProcessWideController, JoinsOnceHoweverOftenItIsAdded)
{
    Counter standing;
    Core::ControllerManager manager;
    manager.AddProcessWideController(&standing);
    manager.AddProcessWideController(&standing);
    EXPECT_TRUE(manager.IsListed(&standing));
    manager.FlushPending();
    manager.AddProcessWideController(&standing);
    EXPECT_FALSE(manager.HasPending());
    manager.Update(0.5f);
    EXPECT_EQ(standing.updates, 2); // the activation's Update(0) and one frame
    EXPECT_FLOAT_EQ(standing.seconds, 0.5f);
    EXPECT_EQ(manager.Active().size(), 1u);
    manager.Detach(&standing);
}

TEST(ProcessWideController, AStopByNameTakesItOutWithoutDeletingItAndItMayJoinAgain)
{
    Counter standing; // on the stack: a delete by the manager would be caught by the sanitizer
    Core::ControllerManager manager;
    manager.AddProcessWideController(&standing);
    manager.FlushPending();
    manager.RemoveController("noname");
    manager.Update(0.1f);
    EXPECT_FALSE(manager.IsListed(&standing));
    EXPECT_FALSE(standing._finished);
    const int before = standing.updates;
    manager.Update(0.1f);
    EXPECT_EQ(standing.updates, before);

    manager.AddProcessWideController(&standing);
    manager.FlushPending();
    manager.Update(0.25f);
    EXPECT_TRUE(manager.IsListed(&standing));
    EXPECT_FLOAT_EQ(standing.seconds, 0.25f);
    manager.Detach(&standing);
    EXPECT_FALSE(manager.IsListed(&standing));
}
