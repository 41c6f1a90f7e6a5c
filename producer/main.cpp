// korvand-producer: the producer's server and the editors' commands (see ProducerCommands.h).
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "producer/ProducerCommands.h"

int main(int argc, char** argv) {
  // Database paths in UTF-8 folders need the locale's character set (see the store).
  std::setlocale(LC_ALL, "");
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return producer::RunProducerCommand(arguments, std::cout, std::cerr);
}
