// The about box: the program, its version and its licence.
#pragma once

class QWidget;

namespace tarnik {

void ShowAboutBox(QWidget* owner);

}  // namespace tarnik
