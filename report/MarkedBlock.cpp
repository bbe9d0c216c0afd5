#include "report/MarkedBlock.h"

namespace paarvinder {

void MarkedBlock::Format(BlockTreatment treatment) {
  const std::int32_t end = report_.GetTextLen();
  report_.SetSelStart(start_);
  report_.SetSelLength(end - start_);
  // The colour always goes before the bold.
  if (treatment == BlockTreatment::RedBold) report_.SetSelColor(clRed);
  if (treatment == BlockTreatment::BlackBold) report_.SetSelColor(clBlack);
  report_.SetSelStyle(report_.SelStyle() | fsBold);
}

}  // namespace paarvinder
