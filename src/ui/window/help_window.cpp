#include "ui/window/help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "engine/library/help_page.h"

namespace tarnik {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Tarnik Solitaire Help"));
  setModal(false);
  resize(640, 560);
  browser_->setOpenExternalLinks(false);
  browser_->setOpenLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
}

void HelpWindow::ShowPage(const QString& path, const QString& missingText) {
  const QFileInfo file(path);
  if (file.isFile()) {
    browser_->setSearchPaths({file.absolutePath(), QFileInfo(QStringLiteral("Help")).absoluteFilePath()});
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  } else {
    browser_->setHtml(QStringLiteral("<h2>Tarnik Solitaire Help</h2><p>%1</p>")
                          .arg(missingText.toHtmlEscaped()));
  }
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowContents() {
  ShowPage(QStringLiteral("Help/Tarnik.html"),
           QStringLiteral("The help contents page \"Help/Tarnik.html\" is missing."));
}

void HelpWindow::ShowRules(const QString& gameName) {
  const std::string page = RulesPagePath(gameName.toLatin1().constData());
  ShowPage(QStringLiteral("Help/") + QString::fromStdString(page),
           QStringLiteral("There is no rules page for \"%1\".").arg(gameName));
}

}  // namespace tarnik
