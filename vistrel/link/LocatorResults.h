#pragma once
// The webcam locator's two results as the reflector sends them, read into the entries
// to list and the count to show.
//
// Topic result: "/SumReqRet/ " + count + ";" + entry + "," + entry + "," ...
// Search result: "/SumReqRetText/ " + count + ";/" + entry + "/" + entry ...
//
// An empty entry is never listed, nor the placeholder "/NDF/". The search result's
// count is the reflector's number less 2, never below 0.
#include <QByteArray>
#include <QList>

struct LocatorResult {
    QList<QByteArray> entries;
    QByteArray count; // "0" when the result names none
    // A topic result listed an entry from its second on; the first entry alone, or the
    // only one of a result without commas, does not count.
    bool listsLaterEntries = false;

    bool operator==(const LocatorResult&) const = default;
};

// The chunk holds "/SumReqRet/"; read from that tag on.
LocatorResult topicResultOf(const QByteArray& chunk);
// The chunk holds "/SumReqRetText/"; read from that tag on.
LocatorResult searchResultOf(const QByteArray& chunk);
