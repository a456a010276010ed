// Messages.xml: the board's messages and the message box's text.
#include "game/board/MessagesFile.h"
#include "game/screens/MessageBoxFiles.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("Messages.xml", data, size);
    MessageTexts messages;
    ReadMessagesFile("Messages.xml", messages);
    LoadMessageText("Messages.xml", "MessageBox");
}

const fuzz::FuzzTarget target("messages", Run);

} // namespace
