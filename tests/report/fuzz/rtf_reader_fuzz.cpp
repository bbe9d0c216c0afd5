// libFuzzer harness of the RTF reader and writer (configure with
// -DPAARVINDER_FUZZ=ON and CXX=clang++).

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "../RtfReaderProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!paarvinder::RtfReaderPropertiesHold(std::string_view(reinterpret_cast<const char*>(data), size))) std::abort();
  return 0;
}
