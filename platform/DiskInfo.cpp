#include "platform/DiskInfo.h"

namespace paarvinder {

std::string RootFolder(const std::string& drive) {
  return drive.ends_with('/') ? drive : drive + "/";
}

}  // namespace paarvinder
