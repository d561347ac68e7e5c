// The yardstick of bench/cli_startup.sh: the least a C++ program that prints one
// line with iostream costs to start.
#include <iostream>

int main() { std::cout << "hello, world\n"; }
