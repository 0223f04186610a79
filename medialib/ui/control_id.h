#pragma once

// Control identifiers and the group-start flag of dialog controls. Dialogs find their controls
// by the identifiers of their templates; the radio groups of the bitmap buttons are runs of
// identifiers, and a control marked as a group start (WS_GROUP in a template) begins a new run.

class QWidget;

void SetControlId(QWidget* control, int id);
// The identifier, or -1 for a widget without one.
int ControlId(const QWidget* control);

void SetGroupStart(QWidget* control, bool start);
bool IsGroupStart(const QWidget* control);

// The direct child of parent with the identifier; null when there is none (or no parent).
QWidget* FindControl(const QWidget* parent, int id);
