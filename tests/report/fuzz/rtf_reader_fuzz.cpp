// libFuzzer harness of the RTF reader and writer. Build and run:
//   CXX=clang++ cmake -S . -B build-fuzz -DPAARVINDER_FUZZ=ON -DPAARVINDER_BUILD_APP=OFF
//   cmake --build build-fuzz --target rtf_reader_fuzz
//   build-fuzz/tests/report/fuzz/rtf_reader_fuzz CORPUS tests/report/data/rtf-corpus \
//     -dict=tests/report/fuzz/rtf.dict -max_len=4096 -timeout=5 -rss_limit_mb=2048
// then fold what it found into the committed corpus, edges only so it stays small:
//   rtf_reader_fuzz -merge=1 -use_counters=0 NEW_DIR tests/report/data/rtf-corpus CORPUS

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "../RtfReaderProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!paarvinder::RtfReaderPropertiesHold(std::string_view(reinterpret_cast<const char*>(data), size))) std::abort();
  return 0;
}
