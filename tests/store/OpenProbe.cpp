// Another copy of the program, in a process of its own, for the start-up tests:
//   handbook-open-probe hold <database file>
//     opens the file, writes "open" on a line and keeps it open until its input ends;
//   handbook-open-probe open <program folder>
//     opens the handbook as the program starts, with no server to fall back to, and writes the
//     error's text (Windows-1251), or "open".
#include <iostream>
#include <string>

#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/OpenHandbookDatabase.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string mode = argv[1];
  store::Database database;
  try {
    if (mode == "hold") {
      database.Open(argv[2]);
      std::cout << "open" << std::endl;
      for (std::string line; std::getline(std::cin, line);) {
      }
      return 0;
    }
    if (mode == "open") {
      database.SetServerPort(1);  // nothing listens there
      store::OpenHandbookDatabase(database, argv[2]);
      std::cout << "open";
      return 0;
    }
  } catch (const store::DatabaseError& error) {
    std::cout << error.what();
    return 1;
  }
  return 2;
}
