#pragma once
// The tree loader of webcam replies: the reply parser hands it each complete reply,
// "/WC/" through "/EndTran/".
#include <QByteArray>

class MainWindow;

// Unless the seen-replies cache holds the reply already: stores its records in the
// main window's webcam table and hangs the webcams of the clicked place (the node whose
// Index is the directory model's selectedNodeIndex) under that node, each keeping the record it was made from; when
// it hung at least one, adds the reply to the cache. A reply whose place node is gone
// (the tree was cleared meanwhile) changes nothing. Shows no message; the caller goes on in every case.
void loadWebCams(MainWindow& main, const QByteArray& reply);
