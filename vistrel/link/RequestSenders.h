#pragma once
// The requests the client sends to the reflector that answered the login.
#include <QByteArray>

#include <functional>

// Sends one directory query (category,place) to the reflector.
void SendQueryToServer(const QByteArray& query);

// Until the socket sender is in place, SendQueryToServer hands every query to this
// receiver instead (nothing when none is set). Tests set it to record the queries.
void setQuerySenderStandIn(std::function<void(const QByteArray& query)> receiver);
