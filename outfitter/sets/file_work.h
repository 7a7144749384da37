#pragma once
// The file work report lives in outfitter/core, below every model folder; the window's code still
// reaches it by this name.

#include "outfitter/core/file_work.h"
