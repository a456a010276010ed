#include "engine/platform/PlayerMessage.h"

#include "engine/backend/Window.h"
#include "engine/platform/HtmlLog.h"

#include <cstdio>

namespace {

std::vector<PlayerMessage>& Shown()
{
    static std::vector<PlayerMessage> shown;
    return shown;
}

} // namespace

void TellPlayer(const std::string& title, const std::string& text)
{
    Shown().push_back({title, text});
    LogError(title, text);
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    backend::ShowMessageBox(title, text);
}

const std::vector<PlayerMessage>& PlayerMessagesShown()
{
    return Shown();
}

void ForgetPlayerMessages()
{
    Shown().clear();
}
