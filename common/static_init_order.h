#pragma once

// The program's static objects live in several modules, and C++ leaves their construction
// order across files to the linker. These priorities fix it: the complex calculator's
// scratch string, the application object, the polynomial calculator's two scratch strings,
// then the vector calculator's; they are destroyed in the reverse order at exit.
// (Priorities up to 100 are reserved for the language's own run-time.)
inline constexpr int kComplexModuleInitPriority = 1001;
inline constexpr int kApplicationInitPriority = 1002;
inline constexpr int kPolynomialModuleInitPriority = 1003;
inline constexpr int kVectorModuleInitPriority = 1004;
