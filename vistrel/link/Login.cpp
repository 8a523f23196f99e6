#include "Login.h"

void ConnectToReflector()
{
}
