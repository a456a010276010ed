#include "gui/controllers/ControllerManager.h"

#include "engine/platform/HtmlLog.h"

namespace Core {

void ControllerManager::AddController(IController* controller)
{
    if (!controller) {
        LogErrorText("A null controller was not added");
        return;
    }
    _pending.push_back(controller);
    _hasPending = true;
}

void ControllerManager::AddProcessWideController(IController* controller)
{
    if (!controller || IsListed(controller))
        return;
    _processWide.insert(controller);
    controller->_finished = false;
    AddController(controller);
}

bool ControllerManager::IsListed(const IController* controller) const
{
    for (const IController* entry : _active)
        if (entry == controller)
            return true;
    for (const IController* entry : _pending)
        if (entry == controller)
            return true;
    for (const std::list<IController*>* batch : _activating)
        for (const IController* entry : *batch)
            if (entry == controller)
                return true;
    return false;
}

void ControllerManager::FlushPending()
{
    _hasPending = false;
    // Controllers added by these Update(0) calls are activated in the same
    // flush, after the batch that added them. Taking each batch out first
    // keeps a nested flush from walking the same list.
    while (!_pending.empty()) {
        std::list<IController*> batch;
        batch.splice(batch.end(), _pending);
        _activating.push_back(&batch);
        for (IController*& controller : batch)
            if (controller)
                controller->Update(0.0f);
        _activating.pop_back();
        _active.splice(_active.end(), batch);
    }
}

void ControllerManager::DeleteFinished()
{
    // A nested Update (from inside a controller) leaves deletion to the
    // outermost pass: the controller running it must stay alive.
    if (_passDepth > 1)
        return;
    SweepDetached(_active);
    SweepDetached(_pending);
    for (auto it = _active.begin(); it != _active.end();) {
        if ((*it)->_finished) {
            IController* done = *it;
            it = _active.erase(it);
            if (_processWide.count(done) != 0) {
                // Not ours: it leaves the list and may join again.
                _processWide.erase(done);
                done->_finished = false;
                continue;
            }
            delete done;
        } else {
            ++it;
        }
    }
}

void ControllerManager::Update(float dt)
{
    ++_passDepth;
    DeleteFinished();
    for (auto it = _active.begin(); it != _active.end(); ++it) {
        IController* controller = *it;
        if (!controller || controller->_finished)
            continue;
        if (controller->IsFinished()) {
            controller->_finished = true;
            continue;
        }
        if (!controller->_paused)
            controller->Update(dt);
    }
    DeleteFinished();
    --_passDepth;
}

void ControllerManager::RemoveController(const std::string& name)
{
    for (IController* controller : _active)
        if (controller && controller->_name == name)
            controller->_finished = true;
}

void ControllerManager::PauseController(const std::string& name)
{
    for (IController* controller : _active)
        if (controller && controller->_name == name)
            controller->_paused = true;
}

void ControllerManager::ResumeController(const std::string& name)
{
    for (IController* controller : _active)
        if (controller && controller->_name == name)
            controller->_paused = false;
}

void ControllerManager::LogControllers() const
{
    g_log.WriteBlack("List of actual controllers:");
    for (const IController* controller : _active)
        if (controller)
            g_log.WriteBlack(controller->_name);
    g_log.WriteBlack("");
}

void ControllerManager::StopControllersOf(const Widget* widget)
{
    if (!widget)
        return;
    ForEachController([widget](IController& controller) { controller.OnWidgetDeleted(widget); });
}

void ControllerManager::ForEachController(const std::function<void(IController&)>& visit) const
{
    for (IController* controller : _active)
        if (controller)
            visit(*controller);
    for (IController* controller : _pending)
        if (controller)
            visit(*controller);
    for (const std::list<IController*>* batch : _activating)
        for (IController* controller : *batch)
            if (controller)
                visit(*controller);
}

void ControllerManager::Detach(const IController* controller)
{
    if (!controller)
        return;
    _processWide.erase(controller);
    // A pass may be walking the lists: the entry is cleared now and its node
    // swept out by the outermost pass.
    for (IController*& entry : _active)
        if (entry == controller)
            entry = nullptr;
    for (IController*& entry : _pending)
        if (entry == controller)
            entry = nullptr;
    for (std::list<IController*>* batch : _activating)
        for (IController*& entry : *batch)
            if (entry == controller)
                entry = nullptr;
    if (_passDepth == 0) {
        SweepDetached(_active);
        SweepDetached(_pending);
    }
}

void ControllerManager::SweepDetached(std::list<IController*>& list)
{
    list.remove(nullptr);
}

} // namespace Core
