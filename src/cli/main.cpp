#include <cstdio>

int main() {
    std::puts("zolvane-cli");
    return 0;
}
