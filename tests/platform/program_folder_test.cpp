#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ProgramFolder.h"

namespace paarvinder {
namespace {

namespace fs = std::filesystem;

class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("paarvinder-progmap-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string Path(const std::string& relative) const { return (root_ / relative).string(); }

  fs::path root_;
};

const auto kWritable = [](const std::string&) { return true; };
const auto kReadOnly = [](const std::string&) { return false; };

TEST_F(ProgramFolderTest, WritableProgramFolderIsUsed) {
  EXPECT_EQ(ProgramFolderFrom("/opt/zoek/bin/paarvinder", "", "/root", kWritable), "/opt/zoek/bin/");
  EXPECT_EQ(ProgramFolderFrom("/paarvinder", "", "/root", kWritable), "/");
  std::string asked;
  ProgramFolderFrom("/usr/bin/paarvinder", "", Path("home"), [&](const std::string& folder) {
    asked = folder;
    return false;
  });
  EXPECT_EQ(asked, "/usr/bin/");
}

TEST_F(ProgramFolderTest, FallbackIsCreatedWithItsParents) {
  struct Case {
    std::string programFile, xdgDataHome, home, expected;
  };
  const Case cases[] = {
      {"/usr/bin/paarvinder", Path("xdg/a/b"), Path("home1"), Path("xdg/a/b/Paarvinder/")},
      {"/usr/bin/paarvinder", Path("xdg2") + "/", Path("home2"), Path("xdg2/Paarvinder/")},
      {"/usr/bin/paarvinder", "", Path("home3"), Path("home3/.local/share/Paarvinder/")},
      {"/usr/bin/paarvinder", "relatief/pad", Path("home4/"), Path("home4/.local/share/Paarvinder/")},
      {"", "", Path("home5"), Path("home5/.local/share/Paarvinder/")},  // program file unknown
  };
  for (const Case& c : cases) {
    const std::string folder = ProgramFolderFrom(c.programFile, c.xdgDataHome, c.home, kReadOnly);
    EXPECT_EQ(folder, c.expected);
    EXPECT_TRUE(fs::is_directory(folder)) << folder;
  }
  // An existing fallback is taken as it is, with what it holds.
  const std::string folder = Path("home3/.local/share/Paarvinder/");
  fs::create_directories(folder + "oud");
  EXPECT_EQ(ProgramFolderFrom("/usr/bin/paarvinder", "", Path("home3"), kReadOnly), folder);
  EXPECT_TRUE(fs::is_directory(folder + "oud"));
}

TEST_F(ProgramFolderTest, FallbackThatCannotBeCreatedIsStillNamed) {
  // A file where the data folder should be: the name comes back, the save there
  // will report the error.
  fs::create_directories(Path("home"));
  { std::ofstream(Path("home/.local")) << "geen map"; }
  EXPECT_EQ(ProgramFolderFrom("/usr/bin/paarvinder", "", Path("home"), kReadOnly),
            Path("home/.local/share/Paarvinder/"));
  EXPECT_FALSE(fs::exists(Path("home/.local/share")));
}

TEST(ProgramFolder, IsTheTestProgramsOwnFolder) {
  // The build folder can be written to.
  const std::string expected = fs::canonical("/proc/self/exe").parent_path().string() + "/";
  EXPECT_EQ(ProgramFolder(), expected);
}

}  // namespace
}  // namespace paarvinder
