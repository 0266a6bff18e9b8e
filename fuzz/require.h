// A property the fuzz targets check: a broken one is a finding.
#pragma once

#include <cstdlib>

inline void Require(bool holds) {
  if (!holds) std::abort();
}
