#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "paarvinder/Version.h"

namespace paarvinder {
namespace {

std::string ReadFile(const char* path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(VersionBlock, FixedPart) {
  EXPECT_EQ(version::kFileVersion, (std::array<int, 4>{1, 0, 0, 3}));
  EXPECT_EQ(version::kProductVersion, (std::array<int, 4>{1, 0, 0, 3}));
}

TEST(VersionBlock, StringTable) {
  EXPECT_EQ(version::kLanguage, 1043);
  EXPECT_EQ(version::kCodePage, 1252);
  struct Entry {
    const char* key;
    std::string value;
    std::string expected;
  };
  const Entry entries[] = {
      {"CompanyName", version::kCompanyName, "Mirtelo"},
      {"FileDescription", version::kFileDescription, "educatief programma"},
      {"FileVersion", version::kFileVersionText, "1.0.0.3"},
      {"InternalName", version::kInternalName, ""},
      {"LegalCopyright", version::kLegalCopyright, ""},
      {"LegalTrademarks", version::kLegalTrademarks, ""},
      {"OriginalFilename", version::kOriginalFilename, ""},
      {"ProductName", version::kProductName, ""},
      {"ProductVersion", version::kProductVersionText, "1.0.0.0"},
      {"Comments", version::kComments, ""},
  };
  for (const Entry& entry : entries) EXPECT_EQ(entry.value, entry.expected) << entry.key;
}

TEST(VersionBlock, DesktopFilesCarryIt) {
  const std::string appId = version::kAppId;
  EXPECT_EQ(appId, "nl.mirtelo.paarvinder");

  const std::string desktop = ReadFile(PAARVINDER_DESKTOP_ENTRY);
  EXPECT_NE(desktop.find("\nName=Paarvinder\n"), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("\nIcon=" + appId + "\n"), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("(educatief programma)\n"), std::string::npos) << desktop;

  const std::string metainfo = ReadFile(PAARVINDER_METAINFO);
  EXPECT_NE(metainfo.find("<id>" + appId + "</id>"), std::string::npos) << metainfo;
  EXPECT_NE(metainfo.find("<developer_name>Mirtelo</developer_name>"), std::string::npos) << metainfo;
  EXPECT_NE(metainfo.find("<release version=\"1.0.0.3\""), std::string::npos) << metainfo;
  EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">" + appId + ".desktop</launchable>"),
            std::string::npos)
      << metainfo;
}

}  // namespace
}  // namespace paarvinder
