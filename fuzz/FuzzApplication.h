#pragma once
// The one headless application the widget fuzz targets need, made on first use.

namespace fuzzref {

void EnsureApplication();

}  // namespace fuzzref
