#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "ReportDescription.h"
#include "report/MarkedBlock.h"
#include "report/ResultsFile.h"

namespace paarvinder {
namespace {

namespace fs = std::filesystem;

TEST(ResultsFileName, DateTextWithoutSlashes) {
  const struct {
    const char* pattern;
    const char* separator;
    const char* name;
  } cases[] = {
      {"d-M-yyyy", "-", "Zoekresultaten(9-11-2011).rtf"},
      {"dd.MM.yyyy", ".", "Zoekresultaten(09.11.2011).rtf"},
      {"d/MM/yyyy", "/", "Zoekresultaten(9-11-2011).rtf"},
      {"M/d/yy", "/", "Zoekresultaten(11-9-11).rtf"},
      {"yyyy/MM/dd", ".", "Zoekresultaten(2011.11.09).rtf"},
  };
  for (const auto& c : cases) {
    RegionalSettings settings;
    settings.shortDatePattern = c.pattern;
    settings.dateSeparator = c.separator;
    EXPECT_EQ(ResultsFileName(settings, {2011, 11, 9}), c.name) << c.pattern;
  }
}

class SaveReportTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(testing::TempDir()) / ("save_report_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static Report ReportOf(const std::string& firstLine, int hits) {
    Report report;
    MarkedBlock header(report);
    report.Add(firstLine);
    header.Format(BlockTreatment::RedBold);
    for (int i = 0; i < hits; ++i) report.Add("\t/some/path/file" + std::to_string(i) + " gevonden! (123 bytes)");
    return report;
  }

  static void ExpectFileHolds(const std::string& name, const Report& expected) {
    Report loaded;
    LoadReport(loaded, name);
    ExpectSameReport(loaded, expected);
  }

  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string Name(const std::string& leaf) const { return (folder_ / leaf).string(); }

  fs::path folder_;
};

TEST_F(SaveReportTest, TheLaterSaveReplacesTheEarlier) {
  const std::string name = Name("Zoekresultaten(9-11-2011).rtf");
  SaveReport(ReportOf("eerste", 3), name);
  ExpectFileHolds(name, ReportOf("eerste", 3));
  SaveReport(ReportOf("tweede", 1), name);
  ExpectFileHolds(name, ReportOf("tweede", 1));
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Zoekresultaten(9-11-2011).rtf"});
}

TEST_F(SaveReportTest, NewFileGetsTheUsualMode) {
  const mode_t old = ::umask(022);
  const std::string name = Name("r.rtf");
  SaveReport(ReportOf("x", 1), name);
  ::umask(old);
  struct stat info {};
  ASSERT_EQ(::stat(name.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(SaveReportTest, CannotCreateFile) {
  const std::string file = Name("gewoon-bestand");
  std::ofstream(file) << "x";
  fs::create_directory(Name("Zoekresultaten(map).rtf"));
  const std::string names[] = {
      Name("ontbrekende-map/Zoekresultaten(9-11-2011).rtf"),
      file + "/Zoekresultaten(9-11-2011).rtf",      // a path through a regular file
      Name("Zoekresultaten(9/11/2011).rtf"),        // a slash date, as a name would read unchanged
      Name("Zoekresultaten(map).rtf"),              // a folder holds the name
      Name(std::string(300, 'x') + ".rtf"),         // longer than a name may be
  };
  for (const std::string& name : names) {
    try {
      SaveReport(ReportOf("x", 1), name);
      ADD_FAILURE() << "saved " << name;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()), "Cannot create file " + name);
    }
  }
  EXPECT_TRUE(fs::is_directory(Name("Zoekresultaten(map).rtf")));
  EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"Zoekresultaten(map).rtf", "gewoon-bestand"}));
}

// A write that fails half way (here: past the file size limit) leaves the
// earlier file of the day whole and no temporary file behind.
TEST_F(SaveReportTest, FailedWriteKeepsTheEarlierFile) {
  const std::string name = Name("Zoekresultaten(9-11-2011).rtf");
  SaveReport(ReportOf("eerste", 3), name);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      SaveReport(ReportOf("tweede", 1000), name);
    } catch (const std::runtime_error& error) {
      ::_exit(std::string(error.what()) == "Failed to Save Stream" ? 0 : 1);
    }
    ::_exit(2);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: another message, 2: no error";
  ExpectFileHolds(name, ReportOf("eerste", 3));
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Zoekresultaten(9-11-2011).rtf"});
}

}  // namespace
}  // namespace paarvinder
