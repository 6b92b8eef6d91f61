// The program's version block, which belongs to the program alone: the desktop files describe
// the product without it. Its "1, 0, 0, 1" is the original program's own text, not this build's
// version, which --version, the package and the listing take from the project.

#include "res/resource_lookup.h"

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
