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

void ControllerManager::FlushPending()
{
    _hasPending = false;
    // Controllers added by these Update(0) calls are activated in the same
    // flush, after the batch that added them. Taking each batch out first
    // keeps a nested flush from walking the same list.
    while (!_pending.empty()) {
        std::list<IController*> batch;
        batch.splice(batch.end(), _pending);
        for (IController* controller : batch)
            controller->Update(0.0f);
        _active.splice(_active.end(), batch);
    }
}

void ControllerManager::DeleteFinished()
{
    // A nested Update (from inside a controller) leaves deletion to the
    // outermost pass: the controller running it must stay alive.
    if (_passDepth > 1)
        return;
    for (auto it = _active.begin(); it != _active.end();) {
        if ((*it)->_finished) {
            IController* done = *it;
            it = _active.erase(it);
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
        if (controller->_finished)
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
        if (controller->_name == name)
            controller->_finished = true;
}

void ControllerManager::PauseController(const std::string& name)
{
    for (IController* controller : _active)
        if (controller->_name == name)
            controller->_paused = true;
}

void ControllerManager::ResumeController(const std::string& name)
{
    for (IController* controller : _active)
        if (controller->_name == name)
            controller->_paused = false;
}

void ControllerManager::LogControllers() const
{
    g_log.WriteBlack("List of actual controllers:");
    for (const IController* controller : _active)
        g_log.WriteBlack(controller->_name);
    g_log.WriteBlack("");
}

} // namespace Core
