#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "RtfReaderProperties.h"

namespace paarvinder {
namespace {

// The corpus the fuzzer of the reader built: every input must read without a
// fault and come back unchanged through the writer.
TEST(RtfCorpus, EveryInputReadsAndComesBackThroughTheWriter) {
  std::size_t inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(PAARVINDER_TEST_DATA "/rtf-corpus")) {
    std::ifstream file(entry.path(), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    EXPECT_TRUE(RtfReaderPropertiesHold(content.str())) << entry.path();
    ++inputs;
  }
  EXPECT_GT(inputs, 0u);
}

}  // namespace
}  // namespace paarvinder
