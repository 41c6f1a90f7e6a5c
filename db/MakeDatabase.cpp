// handbook-makedb <new database path> <schema.sql> [data.sql ...]
// Makes a new handbook database from the schema and data scripts; never overwrites a file.
#include <filesystem>
#include <iostream>
#include <vector>

#include "store/CreateHandbookDatabase.h"
#include "store/DatabaseError.h"
#include "text/Cp1251.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: handbook-makedb <new database path> <schema.sql> [data.sql ...]\n";
    return 2;
  }
  const std::filesystem::path database = argv[1];
  std::vector<std::filesystem::path> data(argv + 3, argv + argc);
  try {
    store::CreateHandbookDatabase(std::filesystem::absolute(database), argv[2], data);
  } catch (const store::DatabaseError& error) {
    std::cerr << "handbook-makedb: " << text::Cp1251ToUtf8(error.what()) << "\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "handbook-makedb: " << error.what() << "\n";
    return 1;
  }
  std::cout << "handbook-makedb: made " << database.string() << "\n";
  return 0;
}
