#pragma once
// The usage notes of the info page, written line by line into its report.

#include "report/Report.h"

namespace paarvinder {

// Clears the report and writes the notes with their three headings marked;
// every opening of the page writes them anew.
void VulInfo(Report& richInfo);

}  // namespace paarvinder
