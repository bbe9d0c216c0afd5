#pragma once
// The kind of a drive, from its mount entry and the facts about its device.

#include "platform/DiskInfo.h"
#include "platform/DriveFacts.h"
#include "platform/MountTable.h"

namespace paarvinder {

// The rules, first match wins:
//  1. a folder inside a file system is mounted (a bind mount)    dtVirtual
//  2. iso9660 or udf, or an optical device (/dev/sr*)             dtCDROM
//  3. a file system on a loop device                               dtVirtual
//  4. a removable disk, or a disk on a USB or MMC bus              dtFloppy
//  5. a mount point that cannot be reached                         dtNoDrive
//  6. a network file system                                        dtNetwork
//  7. tmpfs, ramfs                                                 dtRAM
//  8. any other block device                                       dtFixed
//  9. anything else (overlay, FUSE...)                             dtUnknown
// A bind mount stands for a drive substituted for a folder, which is virtual
// whatever lies under it. A disc image on a loop device is optical, as a mounted
// image is elsewhere, and so passed over like a disc. Removable and optical
// media are recognised before reachability, so they are passed over even when
// their mount point cannot be entered.
TdcDriveType DriveKind(const MountEntry& entry, const DeviceFacts& device, bool reachable);

}  // namespace paarvinder
