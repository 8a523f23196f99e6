#pragma once
// A click on a node of the topic tree, as MainWindow::openNode runs it: the
// bracket mode, the restricted-topic check, the directory queries of the node and the
// opening of its webcam, every step under one error trap.
#include <QByteArray>

class ProgramWindows;
class TreeNode;

void runNodeClick(ProgramWindows& windows, TreeNode& node);

// The error trap's report of a step that failed with `number`: errors 5 and 53 pass
// without a message; error 52 (a player path file is missing) first says so; every
// other error shows "Error = " and the number as a signed number's text, with a blank
// in front of a positive number. The click then goes on with its next step.
void reportNodeClickError(int number);
