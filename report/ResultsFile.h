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

// Lines->SaveToFile: writes the whole report as RTF, atomically (a temporary
// file in the same folder, renamed over the old one). Throws
// std::runtime_error "Cannot create file <name>" or "Failed to Save Stream";
// an earlier file of that name stays whole either way.
void SaveReport(const Report& report, const std::string& fileName);

// Lines->LoadFromFile: replaces the report with the file's content, read as
// RTF when it starts with "{\rtf", else as plain text. Throws
// std::runtime_error "Cannot open file <name>" or "Failed to Load Stream";
// the report is unchanged then.
void LoadReport(Report& report, const std::string& fileName);

}  // namespace paarvinder
