#include "gui/widgets/CreditsModule.h"

CreditsModuleState& CreditsModule()
{
    static CreditsModuleState state;
    return state;
}
