#include <map>
#include <string>

#include "grid.h"

namespace {
std::map<std::string, GridFamily>& Families() {
  static std::map<std::string, GridFamily> families;
  return families;
}
}  // namespace

GridRegistration::GridRegistration(const char* name, GridFamily family) {
  Families()[name] = family;
}

int main() {
  GridWriter writer;
  for (const auto& [name, family] : Families()) {  // sorted by name: same order everywhere
    std::printf("# %s\n", name.c_str());
    family(writer);
  }
  return 0;
}
