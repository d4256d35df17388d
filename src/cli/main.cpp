#include <iostream>

int main()
{
    std::cerr << "torvex-menu: not built yet\n";
    return 2;
}
