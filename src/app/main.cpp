#include <cstdio>

int main()
{
    std::puts("sulnar: the core libraries are built; the application window is not part of this build yet.");
    return 0;
}
