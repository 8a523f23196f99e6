#pragma once
// The second stage of a click in the topic tree: opens the webcam of the clicked node
// in a player, the browser or snapshot windows, after its password when it has one.
// A click on a node that is not a webcam ends quietly. Failures that the click's error
// trap reports are raised as platform::RuntimeError.
class TreeNode;

void openWebCamOfNode(TreeNode& node);
