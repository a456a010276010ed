#pragma once

// The base of the controllers that run the shield screen over time: each one
// holds the shield it writes and forgets it (and finishes) when the shield is
// deleted before it, so it never touches a shield that is gone.

#include "gui/controllers/IController.h"

#include <string>

class Shield;

class ShieldProcess : public IController {
public:
    ShieldProcess(std::string name, Shield* shield) : IController(std::move(name)), _shield(shield) {}

    void OnWidgetDeleted(const Widget* widget) override;

    Shield* GetShield() const { return _shield; }

protected:
    Shield* _shield;
};
