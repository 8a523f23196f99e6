#pragma once
// The requests the client sends to the reflector that answered the login: directory
// queries and the webcam locator's two requests. Each call stages its text, connects
// the reflector socket afresh to gReflectorAddress, sends the text in one piece
// (enciphered while gEncryptTraffic is set), waits until the socket reports it sent,
// and returns; the reply is handled when it arrives. Progress goes to a status bar
// (the main window's for a query, the locator's for its requests) and to segment 5 of
// the status window.
//
// Failures:
//  - no reflector address yet, a socket that fails, a connection that ends, or a send
//    that fails or does not finish in time: segment 5 red; a query also empties the
//    main status text, a locator request shows "Connection failed" first;
//  - no connection within the limit: "Could not connect to DBServer".
// A request started while an earlier one still waits takes over the socket; the
// earlier one then returns without a further report.
#include <QByteArray>

// How long a request has to connect, and then to leave.
inline constexpr int kRequestConnectLimitMs = 10000;
inline constexpr int kRequestSendLimitMs = 10000;

// Sends one directory query ("category,place") as it is.
void SendQueryToServer(const QByteArray& query);
// Sends "/SumReq/" + topic.
void SendSummaryRequest(const QByteArray& topic);
// Sends "/SumReqText/" + the search text.
void SendSummaryTextRequest(const QByteArray& searchText);
