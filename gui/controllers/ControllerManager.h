#pragma once

// Holds every running controller: added ones wait in the pending list until
// the next activation point, then run in the order they were added. The
// manager owns what is added to it and deletes each controller once it has
// finished. Both lists are linked lists, so passes survive controllers added
// or removed while they run.

#include "gui/controllers/IController.h"

#include <functional>
#include <list>
#include <set>
#include <string>
#include <vector>

namespace Core {

class ControllerManager {
public:
    ControllerManager() = default;
    // Frees the list nodes; controllers still running belong to the objects
    // that embed them and are not deleted.
    ~ControllerManager() = default;
    ControllerManager(const ControllerManager&) = delete;
    ControllerManager& operator=(const ControllerManager&) = delete;

    // Takes ownership; activated at the next activation point.
    void AddController(IController* controller);
    void addController(IController* controller) { AddController(controller); }
    // A controller that lives as a process-wide object: it joins like an
    // added one, but only once (a call while it is listed does nothing), and
    // the manager never deletes it. Finished or stopped by name, it leaves
    // the lists and may join again by another call.
    void AddProcessWideController(IController* controller);
    // Whether the controller is running or waiting to run.
    bool IsListed(const IController* controller) const;

    // Activates the pending controllers: each gets Update(0), then they join
    // the end of the running list.
    void FlushPending();
    bool HasPending() const { return _hasPending; }

    // The per-frame pass: delete finished, ask each IsFinished and advance the
    // others, delete what finished.
    void Update(float dt);

    // By name, on running controllers only.
    void RemoveController(const std::string& name);
    void PauseController(const std::string& name);
    void ResumeController(const std::string& name);
    void LogControllers() const;

    // Before a widget is deleted: every controller, running or pending, that
    // points at it stops and will not touch it again.
    void StopControllersOf(const Widget* widget);
    // Every controller that is running, pending or being activated, in that
    // order: for an owner that must tell its own controllers something at
    // once, whatever their state. The visit must not delete controllers.
    void ForEachController(const std::function<void(IController&)>& visit) const;
    // Takes a controller out of both lists without deleting it: for a
    // controller embedded in an object that goes away.
    void Detach(const IController* controller);

    // Running controllers in order (tests and diagnostics).
    const std::list<IController*>& Active() const { return _active; }
    const std::list<IController*>& Pending() const { return _pending; }

private:
    void DeleteFinished();
    static void SweepDetached(std::list<IController*>& list);

    std::list<IController*> _active;
    std::list<IController*> _pending;
    // Controllers the manager lists but does not own.
    std::set<const IController*> _processWide;
    bool _hasPending = false;
    int _passDepth = 0;
    // The batches being activated (a flush may nest inside another).
    std::vector<std::list<IController*>*> _activating;
};

} // namespace Core

extern Core::ControllerManager kernel;
