#include "gui/controllers/ControllerManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Writes what happens to it into a shared journal.
class Probe : public IController {
public:
    Probe(std::string name, std::vector<std::string>& journal) : IController(std::move(name)), _journal(journal) {}
    ~Probe() override { _journal.push_back(_name + ".deleted"); }

    void Update(float dt) override
    {
        _journal.push_back(_name + ".update(" + std::to_string(static_cast<int>(dt * 1000)) + ")");
        if (onUpdate)
            onUpdate();
    }
    bool IsFinished() override
    {
        _journal.push_back(_name + ".finished?");
        return finishNow;
    }

    bool finishNow = false;
    std::function<void()> onUpdate;

private:
    std::vector<std::string>& _journal;
};

} // namespace

TEST(ControllerManager, ActivationGivesUpdateZeroThenRunsInAddingOrder)
{
    Core::ControllerManager manager;
    std::vector<std::string> j;
    auto* a = new Probe("a", j);
    auto* b = new Probe("b", j);
    manager.AddController(a);
    manager.AddController(b);
    EXPECT_TRUE(manager.HasPending());
    manager.FlushPending();
    EXPECT_FALSE(manager.HasPending());
    manager.Update(0.5f);
    EXPECT_EQ(j, (std::vector<std::string>{"a.update(0)", "b.update(0)", "a.finished?", "a.update(500)",
                                           "b.finished?", "b.update(500)"}));
    a->finishNow = b->finishNow = true;
    manager.Update(0.1f);
    EXPECT_TRUE(manager.Active().empty());
}

TEST(ControllerManager, FinishedIsDeletedInTheSamePassWithoutUpdate)
{
    Core::ControllerManager manager;
    std::vector<std::string> j;
    auto* a = new Probe("a", j);
    a->finishNow = true;
    manager.AddController(a);
    manager.FlushPending();
    j.clear();
    manager.Update(0.02f);
    EXPECT_EQ(j, (std::vector<std::string>{"a.finished?", "a.deleted"}));
}

TEST(ControllerManager, RemovePauseResumeByNameOnRunningOnly)
{
    Core::ControllerManager manager;
    std::vector<std::string> j;
    auto* x1 = new Probe("x", j);
    auto* x2 = new Probe("x", j);
    auto* y = new Probe("y", j);
    manager.AddController(x1);
    manager.AddController(x2);
    manager.AddController(y);
    manager.FlushPending();
    auto* pendingX = new Probe("x", j);
    manager.AddController(pendingX);
    manager.RemoveController("x");
    manager.PauseController("y");
    j.clear();
    manager.Update(0.01f);
    // Both running "x" are deleted at the start of the pass; "y" is asked but not advanced.
    EXPECT_EQ(j, (std::vector<std::string>{"x.deleted", "x.deleted", "y.finished?"}));

    manager.FlushPending(); // the pending "x" was not affected
    manager.ResumeController("y");
    j.clear();
    manager.Update(0.01f);
    EXPECT_EQ(j, (std::vector<std::string>{"y.finished?", "y.update(10)", "x.finished?", "x.update(10)"}));
    y->finishNow = pendingX->finishNow = true;
    manager.Update(0.0f);
}

TEST(ControllerManager, PausedControllerStillFinishesAndGetsItsActivationUpdate)
{
    Core::ControllerManager manager;
    std::vector<std::string> j;
    auto* p = new Probe("p", j);
    p->_paused = true;
    manager.AddController(p);
    manager.FlushPending();
    EXPECT_EQ(j, std::vector<std::string>{"p.update(0)"});
    p->finishNow = true;
    j.clear();
    manager.Update(0.1f);
    EXPECT_EQ(j, (std::vector<std::string>{"p.finished?", "p.deleted"}));
}

TEST(ControllerManager, AdditionsDuringAPassWaitForTheNextActivation)
{
    Core::ControllerManager manager;
    std::vector<std::string> j;
    auto* parent = new Probe("parent", j);
    Probe* child = nullptr;
    parent->onUpdate = [&] {
        if (!child) {
            child = new Probe("child", j);
            manager.AddController(child);
        }
    };
    manager.AddController(parent);
    manager.FlushPending(); // parent's Update(0) adds the child: activated in the same flush
    EXPECT_EQ(manager.Active().size(), 2u);
    EXPECT_EQ(j, (std::vector<std::string>{"parent.update(0)", "child.update(0)"}));
    parent->finishNow = child->finishNow = true;
    manager.Update(0.0f);
    EXPECT_TRUE(manager.Active().empty());
}

TEST(ControllerManager, NestedFlushAndUpdateInsideAPassAreSafe)
{
    Core::ControllerManager manager;
    std::vector<std::string> j;
    auto* runner = new Probe("runner", j);
    auto* victim = new Probe("victim", j);
    bool once = false; // armed once both run
    runner->onUpdate = [&] {
        if (!once)
            return;
        once = false;
        // What the board does: remove by name, sweep at once, activate now.
        manager.RemoveController("victim");
        manager.AddController(new Probe("late", j));
        manager.FlushPending();
        manager.Update(0.0f);
    };
    manager.AddController(runner);
    manager.AddController(victim);
    manager.FlushPending();
    once = true;
    manager.Update(0.1f);
    // The victim is gone once the outer pass ends; the runner survived its own call.
    ASSERT_EQ(manager.Active().size(), 2u);
    EXPECT_EQ(manager.Active().front(), runner);
    EXPECT_NE(std::find(j.begin(), j.end(), "victim.deleted"), j.end());
    for (IController* c : manager.Active())
        static_cast<Probe*>(c)->finishNow = true;
    manager.Update(0.0f);
    EXPECT_TRUE(manager.Active().empty());
}

TEST(ControllerManager, NullIsRefusedAndEmptyManagerDoesNothing)
{
    Core::ControllerManager manager;
    manager.AddController(nullptr);
    EXPECT_FALSE(manager.HasPending());
    manager.FlushPending();
    manager.Update(0.1f);
    EXPECT_TRUE(manager.Active().empty());
}

TEST(ControllerManager, DetachedControllerIsSkippedAndNeverDeleted)
{
    std::vector<std::string> journal;
    Core::ControllerManager manager;
    Probe embedded("embedded", journal);
    auto* detacher = new Probe("detacher", journal);
    manager.AddController(detacher);
    manager.AddController(&embedded);
    manager.FlushPending();
    // Detached in the middle of a pass, before its own turn.
    detacher->onUpdate = [&] { manager.Detach(&embedded); };
    journal.clear();
    manager.Update(0.1f);
    EXPECT_EQ(journal, (std::vector<std::string>{"detacher.finished?", "detacher.update(100)"}));
    ASSERT_EQ(manager.Active().size(), 1u);
    EXPECT_EQ(manager.Active().front(), detacher);
    detacher->finishNow = true;
    manager.Update(0.1f);
    EXPECT_TRUE(manager.Active().empty());
}

namespace {

// Points at a widget until told that it goes away.
class WidgetProbe : public IController {
public:
    explicit WidgetProbe(const Widget* widget) : _widget(widget) {}
    void Update(float) override { ++updates; }
    bool IsFinished() override { return false; }
    void OnWidgetDeleted(const Widget* widget) override
    {
        if (widget == _widget)
            _finished = true;
    }
    const Widget* _widget;
    int updates = 0;
};

} // namespace

TEST(ControllerManager, ControllersOfADeletedWidgetStopWhetherRunningOrPending)
{
    Core::ControllerManager manager;
    const Widget* doomed = reinterpret_cast<const Widget*>(&manager); // only compared
    auto* running = new WidgetProbe(doomed);
    auto* other = new WidgetProbe(nullptr);
    manager.AddController(running);
    manager.AddController(other);
    manager.FlushPending();
    manager.AddController(new WidgetProbe(doomed));

    manager.StopControllersOf(doomed);
    manager.FlushPending();
    manager.Update(0.1f);
    ASSERT_EQ(manager.Active().size(), 1u);
    EXPECT_EQ(manager.Active().front(), other);
    EXPECT_EQ(other->updates, 2);
    other->_finished = true;
    manager.Update(0.1f);
}

TEST(ControllerManager, ForEachControllerVisitsRunningPendingAndActivating)
{
    Core::ControllerManager manager;
    std::vector<std::string> j;
    manager.AddController(new Probe("running", j));
    manager.FlushPending();
    auto* activating = new Probe("activating", j);
    std::vector<std::string> seen;
    activating->onUpdate = [&] {
        if (!seen.empty())
            return;
        manager.AddController(new Probe("pending", j));
        manager.ForEachController([&](IController& c) { seen.push_back(c.GetName()); });
    };
    manager.AddController(activating);
    manager.FlushPending();
    EXPECT_EQ(seen, (std::vector<std::string>{"running", "pending", "activating"}));
    manager.ForEachController([](IController& c) { c._finished = true; });
    manager.Update(0.0f);
    EXPECT_TRUE(manager.Active().empty());
}
