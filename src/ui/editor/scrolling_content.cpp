#include "ui/editor/scrolling_content.h"

#include <QDialog>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarnik {

QWidget* ScrollingContent(QDialog& dialog) {
  auto* outer = new QVBoxLayout(&dialog);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* area = new QScrollArea(&dialog);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control as before
  auto* content = new QWidget(area);
  area->setWidget(content);
  outer->addWidget(area);
  return content;
}

}  // namespace tarnik
