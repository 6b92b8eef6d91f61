// The program's five dialog templates, control by control in template order (which is the
// tab order, except where a template gives a keyboard order), with positions and sizes in
// dialog units.

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/resource_lookup.h"

namespace {

using enum ControlClass;

// Every control is a visible child window in the templates; the dialogs hide some at
// start-up.
constexpr unsigned kChild = WS_CHILD | WS_VISIBLE;
constexpr unsigned kGroupBox = kChild | BS_GROUPBOX;
constexpr unsigned kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr unsigned kBitmap = kChild | SS_BITMAP;
constexpr unsigned kList =
    kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT;
constexpr unsigned kNumberBox = kChild | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr unsigned kDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr unsigned kCaptionBoxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// 100: About box. "Quillet Version 1.3" is the original program's own text, kept as it wrote
// it; it is not this build's version, which --version gives.
constexpr ControlTemplate kAboutControls[] = {
    {-1, kStatic, "", 11, 17, 20, 20, kChild | SS_ICON, 0, IDR_MAINFRAME},
    {-1, kStatic, "Quillet Version 1.3", 40, 10, 119, 8, kLabel | SS_NOPREFIX},
    {-1, kStatic, "Copyright (C) 1998", 40, 25, 119, 8, kLabel},
    {IDOK, kButton, "OK", 178, 7, 32, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
};

// 102: main menu.
constexpr ControlTemplate kMainMenuControls[] = {
    {IDCANCEL, kButton, "Exit", 146, 127, 56, 23, kChild | BS_PUSHBUTTON | WS_TABSTOP,
     WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
    {-1, kButton, "Select Function Type", 31, 48, 103, 102, kGroupBox},
    {-1, kButton, "", 28, 7, 178, 33, kGroupBox},
    {-1, kStatic, "By Tessmoor  Email:  tm@example.org", 42, 21, 138, 8, kLabel},
    {IDC_FUNCTION_LIST, kListBox, "", 38, 77, 88, 65, kList, 0, 0, "Select Function Type"},
};

// 129: Vector Calculator.
constexpr ControlTemplate kVectorControls[] = {
    {IDOK, kButton, "Calculate", 97, 235, 84, 18, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, kButton, "Return to Main Menu", 198, 235, 93, 17,
     kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {-1, kButton, "Select Dimension", 26, 17, 79, 98, kGroupBox},
    {IDC_VEC_OPERATION_FRAME, kButton, "Select Operation", 123, 16, 130, 100, kGroupBox},
    {IDC_VEC_DATA_FRAME, kButton, "Enter Data", 22, 132, 332, 86, kGroupBox},
    {IDC_VEC_DIMENSION_LIST, kListBox, "", 42, 33, 48, 53, kList, 0, 0, "Select Dimension"},
    {IDC_VEC_OPERATION_LIST, kListBox, "", 137, 34, 101, 70, kList, 0, 0, "Select Operation"},
    {IDC_VEC_X1, kEdit, "", 60, 159, 62, 16, kNumberBox, 0, 0, "X first component (i)"},
    {IDC_VEC_X3, kEdit, "", 252, 159, 62, 16, kNumberBox, 0, 0, "X third component (k)"},
    {IDC_VEC_X2, kEdit, "", 154, 159, 62, 16, kNumberBox, 0, 0, "X second component (j)"},
    {IDC_VEC_Y1, kEdit, "", 60, 185, 62, 16, kNumberBox, 0, 0, "Y first component (i)"},
    {IDC_VEC_Y3, kEdit, "", 252, 185, 62, 16, kNumberBox, 0, 0, "Y third component (k)"},
    {IDC_VEC_Y2, kEdit, "", 154, 185, 62, 16, kNumberBox, 0, 0, "Y second component (j)"},
    {IDC_VEC_X_J_HAT_PLUS, kStatic, "", 224, 161, 16, 15, kBitmap, 0, IDB_J_HAT_PLUS},
    {IDC_VEC_Y_J_HAT_PLUS, kStatic, "", 222, 185, 16, 15, kBitmap, 0, IDB_J_HAT_PLUS},
    {IDC_VEC_X_I_HAT_PLUS, kStatic, "", 130, 161, 17, 14, kBitmap, 0, IDB_I_HAT_PLUS},
    {IDC_VEC_Y_I_HAT_PLUS, kStatic, "", 130, 185, 17, 14, kBitmap, 0, IDB_I_HAT_PLUS},
    {IDC_VEC_X_J_HAT, kStatic, "", 224, 161, 16, 15, kBitmap, 0, IDB_J_HAT},
    {IDC_VEC_Y_J_HAT, kStatic, "", 224, 185, 16, 15, kBitmap, 0, IDB_J_HAT},
    {IDC_VEC_X_ARROW, kStatic, "", 34, 161, 16, 15, kBitmap, 0, IDB_X_ARROW_EQUALS},
    {IDC_VEC_Y_ARROW, kStatic, "", 36, 183, 16, 15, kBitmap, 0, IDB_Y_ARROW_EQUALS},
    {IDC_VEC_X_K_HAT, kStatic, "", 322, 159, 16, 15, kBitmap, 0, IDB_K_HAT},
    {IDC_VEC_Y_K_HAT, kStatic, "", 322, 185, 16, 15, kBitmap, 0, IDB_K_HAT},
    {-1, kStatic, "By Tessmoor", 287, 26, 53, 12, kLabel},
    {-1, kButton, "", 269, 16, 86, 29, kGroupBox},
};
// The template creates each row's boxes in the order i, k, j, so that Tab would send a typed
// second component into the third box. Tab reads the rows as they stand on the screen.
constexpr int kVectorKeyboardOrder[] = {IDC_VEC_X1, IDC_VEC_X2, IDC_VEC_X3,
                                        IDC_VEC_Y1, IDC_VEC_Y2, IDC_VEC_Y3};

// 142: Complex Number Calculator.
constexpr ControlTemplate kComplexControls[] = {
    {IDOK, kButton, "Calculate", 157, 202, 85, 23, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, kButton, "Return to Main Menu", 160, 240, 83, 23,
     kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {-1, kButton, "Enter Data", 7, 7, 223, 121, kGroupBox},
    {-1, kButton, "Select Operation", 7, 142, 120, 127, kGroupBox},
    {IDC_CPX_OPERATION_LIST, kListBox, "", 35, 164, 63, 91, kList, 0, 0, "Select Operation"},
    {IDC_CPX_X_REAL, kEdit, "", 55, 37, 61, 17, kNumberBox, 0, 0, "X real part"},
    {IDC_CPX_X_IMAG, kEdit, "", 142, 38, 60, 17, kNumberBox, 0, 0, "X imaginary part"},
    {-1, kStatic, "+ j", 126, 41, 8, 8, kLabel},
    {-1, kStatic, "X =", 31, 43, 12, 8, kLabel},
    {IDC_CPX_Y_REAL, kEdit, "", 54, 62, 61, 17, kNumberBox, 0, 0, "Y real part"},
    {IDC_CPX_Y_IMAG, kEdit, "", 142, 62, 60, 17, kNumberBox, 0, 0, "Y imaginary part"},
    {-1, kStatic, "+ j", 126, 65, 8, 8, kLabel},
    {-1, kStatic, "Y =", 30, 68, 12, 8, kLabel},
    {IDC_CPX_Z_REAL, kEdit, "", 56, 89, 61, 17, kNumberBox, 0, 0, "Z real part"},
    {IDC_CPX_Z_IMAG, kEdit, "", 144, 89, 60, 17, kNumberBox, 0, 0, "Z imaginary part"},
    {-1, kStatic, "+ j", 128, 93, 8, 8, kLabel},
    {-1, kStatic, "Z =", 32, 95, 12, 8, kLabel},
    {-1, kStatic, "By Tessmoor", 254, 17, 58, 8, kLabel},
    {-1, kButton, "", 240, 8, 84, 22, kGroupBox},
};

// 143: Roots of Polynomials.
constexpr ControlTemplate kPolynomialControls[] = {
    {IDOK, kButton, "Calculate", 237, 177, 83, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, kButton, "Return to Main Menu", 238, 202, 81, 14,
     kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {-1, kButton, "", 144, 25, 138, 35, kGroupBox},
    {-1, kStatic, "By Tessmoor", 153, 38, 43, 8, kLabel},
    {-1, kButton, "Select Polynomial ", 22, 20, 106, 62, kGroupBox},
    {IDC_POLY_DEGREE_LIST, kListBox, "", 43, 37, 59, 40, kList, 0, 0, "Select Polynomial"},
    {IDC_POLY_COEFFICIENT_FRAME, kButton, "Enter Coefficients", 7, 90, 404, 55, kGroupBox},
    {IDC_POLY_X4, kEdit, "", 13, 115, 54, 14, kNumberBox, 0, 0, "Coefficient of x^4"},
    {IDC_POLY_X3, kEdit, "", 95, 115, 54, 14, kNumberBox, 0, 0, "Coefficient of x^3"},
    {IDC_POLY_X2, kEdit, "", 176, 115, 54, 14, kNumberBox, 0, 0, "Coefficient of x^2"},
    {IDC_POLY_X, kEdit, "", 254, 115, 54, 14, kNumberBox, 0, 0, "Coefficient of x"},
    {IDC_POLY_CONSTANT, kEdit, "", 330, 115, 54, 14, kNumberBox, 0, 0, "Constant term"},
    {IDC_POLY_EQUALS_LABEL, kStatic, "= 0", 391, 118, 11, 8, kLabel},
    {IDC_POLY_X_LABEL, kStatic, "X  +", 314, 118, 12, 8, kLabel},
    {IDC_POLY_X2_LABEL, kStatic, "X    +", 234, 117, 16, 8, kLabel},
    {IDC_POLY_X3_LABEL, kStatic, "X     +", 154, 118, 18, 8, kLabel},
    {IDC_POLY_X4_LABEL, kStatic, "X    +", 73, 117, 16, 8, kLabel},
    {IDC_POLY_EXPONENT_4, kStatic, "4", 79, 109, 8, 8, kLabel},
    {IDC_POLY_EXPONENT_3, kStatic, "3", 161, 111, 8, 8, kLabel},
    {IDC_POLY_EXPONENT_2, kStatic, "2", 240, 109, 8, 8, kLabel},
    {IDC_POLY_ROOTS, kEdit, "", 36, 165, 118, 78,
     kChild | ES_MULTILINE | ES_READONLY | WS_BORDER | WS_TABSTOP | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
     0, 0, "Roots"},
    {IDC_POLY_ROOTS_FRAME, kButton, "Roots", 7, 151, 174, 97, kGroupBox},
};

constexpr DialogTemplate kDialogTemplates[] = {
    {IDD_ABOUTBOX, "About Quillet", 0, 0, 217, 55, "MS Sans Serif", 8, 0, kDialog, 0,
     kAboutControls},
    {IDD_MAIN_MENU, "Quillet Calculator, Version 1.4", 0, 0, 234, 164, "Arial", 9, 0,
     kDialog | WS_VISIBLE | kCaptionBoxes | DS_3DLOOK, WS_EX_APPWINDOW, kMainMenuControls},
    {IDD_VECTOR, "Vector Calculator", 0, 0, 386, 266, "MS Sans Serif", 10, 0,
     kDialog | kCaptionBoxes, 0, kVectorControls, kVectorKeyboardOrder},
    {IDD_COMPLEX, "Complex Number Calculator", 0, 0, 335, 283, "MS Sans Serif", 10, 0,
     kDialog | kCaptionBoxes, 0, kComplexControls},
    {IDD_POLYNOMIAL, "Roots of Polynomials", 0, 0, 418, 261, "Arial", 9, 0, kDialog, 0,
     kPolynomialControls},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(unsigned id) {
  for (const DialogTemplate& dialog : kDialogTemplates) {
    if (dialog.id == id)
      return &dialog;
  }
  return nullptr;
}
