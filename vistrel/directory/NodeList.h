#pragma once
// Filling the main window's topic tree after a login: the topic pictures of the
// "icons" folder, then the tree from the node list "Nodes.lst".
void LoadIcons();
void BuildNodes();
