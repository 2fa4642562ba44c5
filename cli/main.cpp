// pelmira-cli: the calculations from a terminal.

#include <iostream>

int main() {
  std::cerr << "pelmira-cli: no subcommands yet\n";
  return 2;
}
