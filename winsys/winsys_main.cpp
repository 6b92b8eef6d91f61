#include "winsys/cwinapp.h"

// The program's entry: the framework's start-up does everything.
int main(int argc, char** argv) {
  return AfxWinMain(argc, argv);
}
