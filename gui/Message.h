#pragma once

// What widgets, controllers, effects and scripts tell each other: a sender's
// name or a verb, an event text, an integer and a set of named values.

#include "gui/VariableSet.h"

#include <list>
#include <string>

class Message {
public:
    Message() = default;
    explicit Message(const std::string& publisher);
    Message(const std::string& publisher, const std::string& data);
    Message(const std::string& publisher, int integerParam);
    Message(const std::string& publisher, const std::string& data, int integerParam);

    // Exact, case-sensitive comparisons.
    bool is(const std::string& publisher) const;
    bool is(const std::string& publisher, const std::string& data) const;

    std::string getPublisher() const { return publisher; }
    std::string getData() const { return data; }
    int getIntegerParam() const { return integerParam; }
    // The message's own set: changes made through it stay in the message.
    VariableSet& getVariables() { return variables; }
    const VariableSet& getVariables() const { return variables; }

    std::string publisher;
    std::string data;
    int integerParam = 0;
    VariableSet variables;
};

// The global first-in first-out queue drained once per frame into the current
// layer's handler; emptied on every layer change.
using MessageQueue = std::list<Message>;
extern MessageQueue g_messageQueue;

// Appends a copy at the back.
void PostMessage(const Message& message);
