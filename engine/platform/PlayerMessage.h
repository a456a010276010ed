#pragma once

// What the player must be told, not only the log: an error line in the log
// under the message's title, the text on the standard error stream, and a
// modal message box where a real display exists. Every message of the run is
// kept in order, so that whoever drives the program can see what the player
// was told.

#include <string>
#include <vector>

struct PlayerMessage {
    std::string title;
    std::string text;
};

void TellPlayer(const std::string& title, const std::string& text);

const std::vector<PlayerMessage>& PlayerMessagesShown();
void ForgetPlayerMessages();
