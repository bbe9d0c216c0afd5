#pragma once
// The results files: the report stored as RTF, one file per day, and read back.

#include <string>

#include "platform/RegionalSettings.h"
#include "report/DateTexts.h"
#include "report/Report.h"

namespace paarvinder {

// "Zoekresultaten(" + short date text + ").rtf", every "/" of the date text
// written as "-" so that a slash date gives a name and not a path.
std::string ResultsFileName(const RegionalSettings& settings, CivilDate date);

// Lines->SaveToFile: writes the whole report as RTF (report/RtfWriter.h),
// atomically: a hidden temporary file in the same folder, renamed over the old
// one once it is written and closed; the new file gets the usual mode (0666
// less the umask). Throws std::runtime_error "Cannot create file <name>" when
// the temporary file cannot be made or cannot take the name (missing or
// unwritable folder, a folder of that name, a name the file system refuses)
// and "Failed to Save Stream" when writing or closing fails (a full disk). An
// earlier file of that name stays whole either way, and no temporary file is
// left behind.
void SaveReport(const Report& report, const std::string& fileName);

// Lines->LoadFromFile: replaces the report with the file's content, read as
// RTF when it starts with "{\rtf" (report/RtfReader.h), else as plain text
// (report/PlainTextReader.h). Throws std::runtime_error "Cannot open file
// <name>" when it is not a regular file that can be opened (missing, a folder,
// a device or pipe) and "Failed to Load Stream" when reading fails or the
// content is not text (a NUL byte outside RTF binary data); the report is
// unchanged then.
void LoadReport(Report& report, const std::string& fileName);

}  // namespace paarvinder
