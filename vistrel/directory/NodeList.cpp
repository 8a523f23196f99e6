#include "NodeList.h"

void LoadIcons()
{
}

void BuildNodes()
{
}
