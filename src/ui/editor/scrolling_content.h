// The editors' controls stand in a scroll area filling the dialog, so that an
// editor made smaller on a small screen keeps every control within reach.
#pragma once

class QDialog;
class QWidget;

namespace tarnik {

// Fills `dialog` with a frameless scroll area and returns the widget inside
// it, on which the dialog lays out its controls.
QWidget* ScrollingContent(QDialog& dialog);

}  // namespace tarnik
