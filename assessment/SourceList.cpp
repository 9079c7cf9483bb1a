#include "assessment/SourceList.h"

namespace talver {

const DataSource* SourceAt(int index) {
  if (index < 0 || index >= static_cast<int>(kSourceCount)) {
    return nullptr;
  }
  return &kDataSources[static_cast<std::size_t>(index)];
}

}  // namespace talver
