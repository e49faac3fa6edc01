// Prints how wide its pointers are. scripts/wine-32bit starts the win32
// build's copy to learn whether Wine here runs 32-bit programs at all.

#include <cstdio>

int main() {
  std::printf("%d-bit\n", static_cast<int>(sizeof(void*) * 8));
  return 0;
}
