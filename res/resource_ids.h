#pragma once

// Identifiers of the program's resources and controls.

// Dialog templates.
inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned IDD_MAIN_MENU = 102;
inline constexpr unsigned IDD_VECTOR = 129;
inline constexpr unsigned IDD_COMPLEX = 142;
inline constexpr unsigned IDD_POLYNOMIAL = 143;

// Icon, bitmaps and strings.
inline constexpr unsigned IDR_MAINFRAME = 128;  // the application icon
inline constexpr unsigned IDB_J_HAT_PLUS = 130;
inline constexpr unsigned IDB_I_HAT_PLUS = 133;
inline constexpr unsigned IDB_J_HAT = 135;
inline constexpr unsigned IDB_X_ARROW_EQUALS = 136;
inline constexpr unsigned IDB_Y_ARROW_EQUALS = 139;
inline constexpr unsigned IDB_I_HAT_PLUS_SPARE = 140;  // the same picture as 133; unused
inline constexpr unsigned IDB_K_HAT = 141;
inline constexpr unsigned IDS_ABOUTBOX = 101;  // "&About Quillet..."

// The About entry of the main menu's system menu.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Main menu (102).
inline constexpr int IDC_FUNCTION_LIST = 1031;

// Vector Calculator (129).
inline constexpr int IDC_VEC_OPERATION_FRAME = 1004;
inline constexpr int IDC_VEC_X1 = 1005;
inline constexpr int IDC_VEC_X3 = 1006;
inline constexpr int IDC_VEC_X2 = 1007;
inline constexpr int IDC_VEC_Y1 = 1008;
inline constexpr int IDC_VEC_Y3 = 1009;
inline constexpr int IDC_VEC_Y2 = 1010;
inline constexpr int IDC_VEC_DIMENSION_LIST = 1011;
inline constexpr int IDC_VEC_OPERATION_LIST = 1012;
inline constexpr int IDC_VEC_X_ARROW = 1013;
inline constexpr int IDC_VEC_Y_ARROW = 1014;
inline constexpr int IDC_VEC_X_I_HAT_PLUS = 1015;
inline constexpr int IDC_VEC_Y_I_HAT_PLUS = 1016;
inline constexpr int IDC_VEC_X_J_HAT_PLUS = 1017;
inline constexpr int IDC_VEC_Y_J_HAT_PLUS = 1018;
inline constexpr int IDC_VEC_X_K_HAT = 1019;
inline constexpr int IDC_VEC_Y_K_HAT = 1020;
inline constexpr int IDC_VEC_X_J_HAT = 1021;
inline constexpr int IDC_VEC_Y_J_HAT = 1022;
inline constexpr int IDC_VEC_DATA_FRAME = 1023;

// Complex Number Calculator (142).
inline constexpr int IDC_CPX_OPERATION_LIST = 1024;
inline constexpr int IDC_CPX_X_REAL = 1025;
inline constexpr int IDC_CPX_X_IMAG = 1026;
inline constexpr int IDC_CPX_Y_REAL = 1031;
inline constexpr int IDC_CPX_Y_IMAG = 1032;
inline constexpr int IDC_CPX_Z_REAL = 1033;
inline constexpr int IDC_CPX_Z_IMAG = 1034;

// Roots of Polynomials (143).
inline constexpr int IDC_POLY_X_LABEL = 1013;
inline constexpr int IDC_POLY_DEGREE_LIST = 1032;
inline constexpr int IDC_POLY_COEFFICIENT_FRAME = 1033;
inline constexpr int IDC_POLY_X4 = 1034;
inline constexpr int IDC_POLY_X3 = 1035;
inline constexpr int IDC_POLY_X2 = 1036;
inline constexpr int IDC_POLY_X = 1037;
inline constexpr int IDC_POLY_CONSTANT = 1038;
inline constexpr int IDC_POLY_EQUALS_LABEL = 1039;
inline constexpr int IDC_POLY_X2_LABEL = 1040;
inline constexpr int IDC_POLY_X3_LABEL = 1041;
inline constexpr int IDC_POLY_X4_LABEL = 1042;
inline constexpr int IDC_POLY_EXPONENT_4 = 1044;
inline constexpr int IDC_POLY_EXPONENT_3 = 1045;
inline constexpr int IDC_POLY_EXPONENT_2 = 1046;
inline constexpr int IDC_POLY_ROOTS = 1047;
inline constexpr int IDC_POLY_ROOTS_FRAME = 1048;
