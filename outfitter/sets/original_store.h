#pragma once
// The originals store lives in outfitter/core, below every model folder; the session's code still
// reaches it by this name.

#include "outfitter/core/original_store.h"
