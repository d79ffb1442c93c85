// Writes the benchmark program of a given length in both languages:
//   zolt_bench_programs LINES FOLDER   gives FOLDER/bench.ZOL and FOLDER/bench.s

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "program_generator.h"

namespace {

bool Write(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
  return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zolt_bench_programs LINES FOLDER\n";
    return 2;
  }
  const int lines = std::atoi(argv[1]);
  const std::string folder = argv[2];
  const zolt::bench::ProgramPair program = zolt::bench::GenerateProgram(lines);
  if (!Write(folder + "/bench.ZOL", program.zolt) || !Write(folder + "/bench.s", program.gas)) {
    std::cerr << "zolt_bench_programs: cannot write into " << folder << '\n';
    return 2;
  }
  return 0;
}
