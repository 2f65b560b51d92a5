#include <cstdio>

int main() {
  std::puts("nocturna-almanac");
  return 0;
}
