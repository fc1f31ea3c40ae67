#include <iostream>

#include "headless/drive.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return zelvan::headless::DriveMain(argc, argv, std::cin, std::cout, std::cerr);
}
