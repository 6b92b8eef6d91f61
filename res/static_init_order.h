#pragma once

// The program's static objects live in several modules, and C++ leaves their construction
// order across files to the linker. These priorities fix it: the complex calculator's
// scratch string, the application object, the polynomial calculator's two scratch strings,
// then the vector calculator's; they are destroyed in the reverse order at exit.
// (Priorities up to 100 are reserved for the language's own run-time.)
//
// The order is the program's own, like its resources, so it stands with them: below the
// calculators' dialogs and the application object, which all name it. The application's
// folder could not hold it, since the dialogs that must include it stand below the
// application.
inline constexpr int kComplexModuleInitPriority = 1001;
inline constexpr int kApplicationInitPriority = 1002;
inline constexpr int kPolynomialModuleInitPriority = 1003;
inline constexpr int kVectorModuleInitPriority = 1004;
