#include "engine/platform/RendererCheck.h"

#include "engine/backend/Window.h"
#include "engine/platform/HtmlLog.h"

bool CheckRenderer()
{
    std::string failure;
    if (backend::CanCreateGl21Context(failure))
        return true;
    LogError("DirectX Version:", "Required DirectX 8.0 or latest (" + failure + ")");
    backend::ShowMessageBox("DirectX Version:", "Required DirectX 8.0 or latest");
    return false;
}
