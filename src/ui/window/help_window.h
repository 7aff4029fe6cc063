// The help window: the contents page of the program and one rules page per
// game, found by the game's name, shown as simple HTML pages from "Help/".
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace tarnik {

class HelpWindow : public QDialog {
 public:
  explicit HelpWindow(QWidget* parent);
  void ShowContents();
  void ShowRules(const QString& gameName);

 private:
  void ShowPage(const QString& path, const QString& missingText);
  QTextBrowser* browser_;
};

}  // namespace tarnik
