// The program's version block. The desktop entry and the AppStream metadata repeat these
// texts, and a test keeps them in step.

#include "res/resources.h"

const VersionInfo kVersionInfo = {
    .fileVersion = "1, 0, 0, 1",
    .productVersion = "1, 0, 0, 1",
    .fileDescription = "Quillet MFC Application",
    .internalName = "Quillet",
    .originalFilename = "Quillet.EXE",
    .productName = "Quillet Application",
    .companyName = "",
    .legalCopyright = "Copyright (C) 1998",
    .legalTrademarks = "",
};
