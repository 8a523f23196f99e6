#pragma once
// The second stage of a click in the topic tree: opens the webcam of the clicked node
// in a player, the browser or snapshot windows, after its password when it has one.
// The webcam is the node's own record; a click on a node without one only empties the
// chosen stream address. A webcam with a password shows the password prompt and the
// call returns; the webcam opens from the prompt's OK. Cancel, closing the prompt, or a
// later click's prompt ends the click.
// A missing player opens the player search window; a player that is there but does not
// start, and a page that does not open, are told in a message box with the reason. A
// player path file that cannot be read raises platform::RuntimeError 52 (kPlayerPathFileMissing, PlayerStart.h) after
// that, for the click's error trap to report; after the prompt's OK the trap's report
// (reportNodeClickError, NodeClick.h) tells it.
#include <QByteArray>

class ProgramWindows;
class TreeNode;

void openWebCamOfNode(ProgramWindows& windows, TreeNode& node);

// The stream address of the webcam chosen last in the topic tree; empty after a click
// on a node without a webcam.
const QByteArray& chosenStreamAddress();
