#include "gui/Message.h"

Message::Message(const std::string& publisherName)
    : publisher(publisherName)
{
}

Message::Message(const std::string& publisherName, const std::string& dataText)
    : publisher(publisherName)
    , data(dataText)
{
}

Message::Message(const std::string& publisherName, int integer)
    : publisher(publisherName)
    , integerParam(integer)
{
}

Message::Message(const std::string& publisherName, const std::string& dataText, int integer)
    : publisher(publisherName)
    , data(dataText)
    , integerParam(integer)
{
}

bool Message::is(const std::string& name) const
{
    return publisher == name;
}

bool Message::is(const std::string& name, const std::string& event) const
{
    return publisher == name && data == event;
}

void PostMessage(const Message& message)
{
    g_messageQueue.push_back(message);
}
