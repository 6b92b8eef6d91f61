#pragma once

class QWidget;

// Every control widget of a dialog carries its template identifier, so that the layer, and
// tests driving real widgets, can look controls up the way the dialogs do.
// `templateIndex` is the control's place in its template.
void TagControl(QWidget* control, int id, int templateIndex);
// The control's identifier, or 0 for a widget that is not a dialog control.
int ControlId(const QWidget* control);
// The control's place in its template, or -1 for a widget that is not a dialog control.
int TemplateIndex(const QWidget* control);
// The first control of `dialog` in template order with identifier `id`, or null.
QWidget* FindControl(const QWidget* dialog, int id);
