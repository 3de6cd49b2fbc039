// Links the installed library and uses it the way a host's network calculation would.
#include "armakon/components/NumberText.h"

#include <cstdio>

int main() {
  double kv = 0.0;
  if (!armakon::parseDouble("2.5", kv)) return 1;
  std::printf("%s\n", armakon::formatC("kv %.2f m3/h", kv).c_str());
  return 0;
}
