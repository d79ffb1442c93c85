// Writes the benchmark's programs:
//   zolt_bench_programs LINES FOLDER           FOLDER/bench.ZOL and FOLDER/bench.s, the
//                                              benchmark program in both languages
//   zolt_bench_programs --varied COUNT FOLDER  FOLDER/varied_0000.ZOL and on, COUNT
//                                              varied programs of up to 300 lines

#include <cstdio>
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

int Failed(const std::string& folder) {
  std::cerr << "zolt_bench_programs: cannot write into " << folder << '\n';
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const bool varied = argc == 4 && std::string(argv[1]) == "--varied";
  if (argc != 3 && !varied) {
    std::cerr << "usage: zolt_bench_programs LINES FOLDER\n"
                 "       zolt_bench_programs --varied COUNT FOLDER\n";
    return 2;
  }
  const std::string folder = argv[argc - 1];
  if (varied) {
    const int count = std::atoi(argv[2]);
    for (int seed = 0; seed < count; ++seed) {
      char name[32];
      std::snprintf(name, sizeof name, "/varied_%04d.ZOL", seed);
      const int lines = 1 + seed * 37 % 300;
      const auto program =
          zolt::bench::GenerateVariedProgram(lines, static_cast<std::uint32_t>(seed));
      if (!Write(folder + name, program)) return Failed(folder);
    }
    return 0;
  }
  const zolt::bench::ProgramPair program = zolt::bench::GenerateProgram(std::atoi(argv[1]));
  if (!Write(folder + "/bench.ZOL", program.zolt) || !Write(folder + "/bench.s", program.gas)) {
    return Failed(folder);
  }
  return 0;
}
