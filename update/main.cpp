// The updater replaces the program's executable with a downloaded one; until it is
// built it does nothing and reports that.
#include <cstdio>

int main()
{
    std::fputs("update: nothing to do\n", stderr);
    return 0;
}
