#include "directory/ProgramWindows.h"

ProgramWindows::ProgramWindows()
    : link(keeper_), tools(keeper_), chat(keeper_, link, tools), frames(keeper_, link, tools, chat),
      main(keeper_, [this] { return new MainWindow(*this); }), snapshot(keeper_), webCamPasswordPrompt(keeper_)
{
}
