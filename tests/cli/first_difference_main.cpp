// tovan-first-difference REFERENCE.json CANDIDATE.json: where two engine documents first
// part ways, in pipeline order. Exit 0 when identical, 1 when they differ, 2 on bad input.
// For example: tovan-cli --preset 0 --json --stages > /tmp/p0.json &&
//   tovan-first-difference tests/data/reference/preset-0.json /tmp/p0.json
#include <fstream>
#include <iostream>

#include "document_comparison.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tovan-first-difference REFERENCE.json CANDIDATE.json\n";
    return 2;
  }
  nlohmann::ordered_json documents[2];
  for (int i = 0; i < 2; ++i) {
    std::ifstream file(argv[i + 1]);
    documents[i] = nlohmann::ordered_json::parse(file, nullptr, false);
    if (documents[i].is_discarded()) {
      std::cerr << "tovan-first-difference: cannot read " << argv[i + 1] << " as JSON\n";
      return 2;
    }
  }
  const auto difference = tovan::cli_test::FindFirstDifference(documents[0], documents[1]);
  if (!difference) {
    std::cout << "identical\n";
    return 0;
  }
  std::cout << "first difference: " << tovan::cli_test::Describe(*difference) << '\n';
  return 1;
}
