#pragma once
// The marked block: a writer remembers the text length, appends the block's
// lines, and then formats exactly those lines, line breaks included.

#include "report/Report.h"

namespace paarvinder {

enum class BlockTreatment { Bold, RedBold, BlackBold };

class MarkedBlock {
 public:
  explicit MarkedBlock(Report& report) : report_(report), start_(report.GetTextLen()) {}

  // Selects from the remembered start to the end and formats the selection;
  // the selection stays on the block.
  void Format(BlockTreatment treatment);

 private:
  Report& report_;
  std::int32_t start_;
};

}  // namespace paarvinder
