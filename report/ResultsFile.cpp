#include "report/ResultsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "report/PlainTextReader.h"
#include "report/RtfReader.h"
#include "report/RtfWriter.h"

namespace paarvinder {

namespace {

std::string FolderOf(const std::string& fileName) {
  const std::size_t slash = fileName.rfind('/');
  return slash == std::string::npos ? std::string("./") : fileName.substr(0, slash + 1);
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The mode a new file gets from open(): 0666 less the umask (mkstemp gives 0600).
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }

 private:
  int fd_;
};

// The whole content of a regular file. Anything else (a missing file, a
// folder, a device or pipe that could block or never end) cannot be opened.
std::string ReadWholeFile(const std::string& fileName) {
  const FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    throw std::runtime_error("Cannot open file " + fileName);
  }
  std::string content;
  content.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw std::runtime_error("Failed to Load Stream");
    if (got == 0) return content;
    content.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

std::string ResultsFileName(const RegionalSettings& settings, CivilDate date) {
  std::string dateText = ShortDateText(settings, date);
  std::replace(dateText.begin(), dateText.end(), '/', '-');
  return "Zoekresultaten(" + dateText + ").rtf";
}

void SaveReport(const Report& report, const std::string& fileName) {
  const std::string rtf = WriteRtf(report.Lines());
  // A hidden name, so a temporary file that a crash leaves behind is not
  // listed among the results files.
  std::string temporaryName = FolderOf(fileName) + ".Zoekresultaten-XXXXXX";
  const int fd = ::mkostemp(temporaryName.data(), O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("Cannot create file " + fileName);
  // File systems without modes (vfat) refuse this, and the file is no worse.
  ::fchmod(fd, NewFileMode());
  const bool written = WriteAll(fd, rtf);
  if (::close(fd) != 0 || !written) {
    ::unlink(temporaryName.c_str());
    throw std::runtime_error("Failed to Save Stream");
  }
  if (::rename(temporaryName.c_str(), fileName.c_str()) != 0) {
    ::unlink(temporaryName.c_str());
    throw std::runtime_error("Cannot create file " + fileName);
  }
}

void LoadReport(Report& report, const std::string& fileName) {
  const std::string content = ReadWholeFile(fileName);
  std::optional<std::vector<ReportLine>> lines = LooksLikeRtf(content) ? ReadRtf(content) : std::nullopt;
  if (!lines) lines = ReadPlainText(content);
  if (!lines) throw std::runtime_error("Failed to Load Stream");
  report.Replace(std::move(*lines));
}

}  // namespace paarvinder
