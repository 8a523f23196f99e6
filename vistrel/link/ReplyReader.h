#pragma once
// Reads the replies out of each chunk that arrives on the reflector socket, in clear,
// without touching a socket, a window or a file. A chunk gives its replies in the
// order the session handles them:
//
//  1. the early reply, for every chunk: "/Login Successful/" (with the confirmed ID),
//     else "/NDF/", else "/IP/" (with the outside address);
//  2. then the tags in a fixed order (tags match exactly, letter case included):
//
//  "/Adver/" + address        an advert (ends the chunk)
//  "/Multi Login/"            the user logged in elsewhere (ends the chunk)
//  "\LoadIP\" [addr] {addr}   new reflector addresses
//  "/SumReqNDF/", "/SumReqNDFText/"
//                             the locator found nothing for the topic or the search
//  "/SumReqRet/", "/SumReqRetText/"
//                             the locator's results (end the chunk)
//  "/Count/," + number        the webcams on line (ends the chunk)
//  -- from here on the chunk is the reflector's answer (ReflectorAnswered) --
//  "/Login Failed/", "/Login Successful/," + ID + "\"
//  "/PasswordUpdated/," + password, "/PasswordUpdatedFailed/"
//                             (each ends the chunk)
//  -- from here on the chunk is node data (NodeData) --
//  "/NDF/"                    no webcams at the queried place (ends the chunk)
//  "/IP/" + address           the client's outside address
//  "/WC/" ... "/EndTran/"     a webcam reply, in one chunk or several; the reader
//                             collects it and gives it once it is complete
//  NodeDataEnd                closes every chunk of node data.
//
// Every value has CR and LF removed (and, except the new password, surrounding
// blanks), except the confirmed user ID, which keeps its line breaks; a missing value
// is the empty text, which the session never stores.
#include "link/LocatorResults.h"
#include "link/WebCamReplyCollector.h"

#include <QByteArray>
#include <QList>

struct Reply {
    enum class Kind {
        EarlyLoginAccepted, // text: the confirmed user ID
        EarlyNoData,
        EarlyOutsideAddress, // text: the outside address
        Advert,              // text: the page's address
        MultiLogin,
        ServerAddresses, // text: the primary address, second: the backup address
        LocatorNoTopicResult,
        LocatorNoSearchResult,
        LocatorTopicResult,  // locator: the entries and the count
        LocatorSearchResult, // locator: the entries and the count
        WebCamsOnLine,       // text: the count
        ReflectorAnswered,
        LoginRejected,
        LoginAccepted,   // text: the confirmed user ID
        PasswordUpdated, // text: the new password
        PasswordNotUpdated,
        NodeData,
        DataRetrieved, // node data of more than 10 bytes
        NoData,
        OutsideAddress,     // text: the outside address
        WebCamsFound,       // a chunk that starts a webcam reply
        WebCamReply,        // text: the complete reply, "/WC/" to "/EndTran/"
        WebCamReplyDropped, // the reply grew beyond WebCamReplyCollector::kCapacityBytes
        NodeDataEnd,
    };

    Kind kind;
    QByteArray text = {};
    QByteArray second = {};
    LocatorResult locator = {};

    bool operator==(const Reply&) const = default;
};

class ReplyReader {
public:
    // The replies of one chunk, in the order they are to be handled; none for an
    // empty chunk.
    QList<Reply> read(const QByteArray& chunk);
    // The webcam reply being collected, or the last one collected.
    const QByteArray& collectedWebCamReply() const { return webCamReply_.collected(); }

private:
    void readEarly(const QByteArray& chunk, QList<Reply>& replies) const;
    void readNodeData(const QByteArray& chunk, QList<Reply>& replies);

    // The webcam reply that spans chunks.
    WebCamReplyCollector webCamReply_;
};
