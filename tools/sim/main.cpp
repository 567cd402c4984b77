// vozi-sim --seed N --matches M [--trace FILE] [--ranking-dir DIR]
//
// Plays M whole matches headless and prints a summary; the same seed gives
// the same games and the same trace, byte for byte.
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "tools/sim/simulator.h"

namespace {

struct Options {
  std::uint64_t seed = 1;
  int matches = 1;
  std::string tracePath;
  std::string rankingDirectory;
};

int usage() {
  std::cerr << "usage: vozi-sim --seed N --matches M [--trace FILE] [--ranking-dir DIR]\n";
  return 2;
}

std::optional<Options> parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    const std::string value = argv[++i];
    try {
      if (flag == "--seed") {
        options.seed = std::stoull(value);
      } else if (flag == "--matches") {
        options.matches = std::stoi(value);
      } else if (flag == "--trace") {
        options.tracePath = value;
      } else if (flag == "--ranking-dir") {
        options.rankingDirectory = value;
      } else {
        return std::nullopt;
      }
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }
  if (options.matches < 0) return std::nullopt;
  return options;
}

// A fresh folder of its own, so that a run never touches the player's ranking.
std::string freshTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vozi-sim-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return ".";
  return pattern;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parse(argc, argv);
  if (!options) return usage();
  std::ofstream traceFile;
  if (!options->tracePath.empty()) {
    traceFile.open(options->tracePath, std::ios::binary);
    if (!traceFile) {
      std::cerr << "vozi-sim: cannot write " << options->tracePath << '\n';
      return 1;
    }
  }
  const std::string rankingDirectory =
      options->rankingDirectory.empty() ? freshTemporaryFolder() : options->rankingDirectory;
  vozi::sim::Simulator simulator(options->seed, traceFile.is_open() ? &traceFile : nullptr,
                                 rankingDirectory);
  const vozi::sim::Summary summary = simulator.run(options->matches);
  vozi::sim::printSummary(std::cout, summary);
  return summary.stuck ? 1 : 0;
}
