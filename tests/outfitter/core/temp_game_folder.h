#pragma once
// A fresh, empty game folder for one test, removed with everything in it when the test ends.

#include "test_support/temp_folder.h"

namespace outfitter::testing {

using TempGameFolder = testsupport::TempFolder;

} // namespace outfitter::testing
