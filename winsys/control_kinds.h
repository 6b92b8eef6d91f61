#pragma once

#include <functional>

#include <QString>

#include "winsys/dialog_units.h"

struct ControlTemplate;
class QWidget;

// The control kinds of the dialog templates: one table maps a template's window class and
// style to the Qt widget that stands for it and to how that widget is set up.

// Delivers one notification of a control (BN_CLICKED, EN_CHANGE, LBN_SELCHANGE) to its dialog.
using ControlNotify = std::function<void(unsigned code)>;

// Creates the widget of `control` as a child of `dialog`, placed at its pixel rectangle,
// shown or hidden, focusable and named as its styles say, and tagged with its identifier and
// `templateIndex`. Its notifications go to `notify`.
QWidget* CreateControl(const ControlTemplate& control, int templateIndex, QWidget* dialog,
                       DialogBaseUnits units, ControlNotify notify);

// A control's window text. An edit box's text is what it holds now; every other control's is
// the text last given to it (its template text at first), whatever it shows of it.
void SetControlText(QWidget* control, const QString& text);
QString ControlText(const QWidget* control);
