#include "sources/Acquisition.h"

namespace talver {

void ProgressBar::Set(std::int64_t position, std::int64_t maximum) {
  position_ = position;
  maximum_ = maximum;
  display_.SetProgress(position_, maximum_);
}

}  // namespace talver
