// handbook_bench_data <new database> <terms> <schema.sql>
//   makes the large handbook of bench/LargeHandbook.h; bench/run keeps it between runs;
// handbook_bench_data --script <new data script> <terms>
//   writes the same as a data script for handbook-makedb.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <stdexcept>

#include "bench/LargeHandbook.h"
#include "text/Cp1251.h"

int main(int argc, char** argv) {
  const bool script = argc == 4 && std::strcmp(argv[1], "--script") == 0;
  if (argc != 4) {
    std::fputs("usage: handbook_bench_data <new database> <terms> <schema.sql>\n"
               "       handbook_bench_data --script <new data script> <terms>\n", stderr);
    return 2;
  }
  try {
    if (script) {
      std::ofstream out(argv[2], std::ios::binary);
      bench::WriteLargeHandbookScript(out, std::atoi(argv[3]));
      if (!out) throw std::runtime_error("cannot write the script");
    } else {
      bench::MakeLargeHandbook(argv[1], argv[3], std::atoi(argv[2]));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "handbook_bench_data: %s\n", text::Cp1251ToUtf8(error.what()).c_str());
    return 1;
  }
  return 0;
}
