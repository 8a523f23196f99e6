#pragma once
// What the main window's directory holds beside its tree: the webcam table that the
// webcam replies write, the top-level topics of the node list (the locator offers
// them), the node clicked last, the icon switch and the bracket-address mode.
// Everything runs on the one user-interface thread, so none of this is locked.
#include "directory/WebCamRecord.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <vector>

class DirectoryModel {
public:
    static constexpr int kWebCamRows = 1000; // the webcam table's rows, 1 to kWebCamRows
    static constexpr int kTopicLimit = 2000; // the node list's topics that are kept

    DirectoryModel();

    // Writes the records, at most kWebCamRows, into rows 1 onwards. The rows after them
    // keep what an earlier, longer reply left there.
    void storeWebCamRows(const std::vector<WebCamRecord>& records);
    // Row 1 to kWebCamRows; empty until a reply wrote it.
    const WebCamRecord& webCamRow(int row) const { return webCamRows_.at(row - 1); }

    // The topics in node-list order; a topic may be empty.
    const QList<QByteArray>& topics() const { return topics_; }
    void clearTopics() { topics_.clear(); }
    // Adds the topic; false, and nothing added, when kTopicLimit topics are kept already.
    bool addTopic(const QByteArray& text);

    qint16 selectedNodeIndex = 0; // the tree node last clicked; the next webcams hang under it
    bool noIcons = false;         // the user switched icon loading off
    bool bracketUrlMode = false;  // a Shift+right-click asked the next node click for the raw address

private:
    std::vector<WebCamRecord> webCamRows_;
    QList<QByteArray> topics_;
};
