#include "app/help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarnik {

QString RulesPagePath(const QString& gameName) {
  QString slug;
  for (const QChar c : gameName) {
    if (c.isLetterOrNumber() && c.unicode() < 128) slug += c.toLower();
    else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-'))) slug += QLatin1Char('-');
  }
  while (slug.endsWith(QLatin1Char('-'))) slug.chop(1);
  return QStringLiteral("Help/Rules/%1.html").arg(slug);
}

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
  ShowPage(RulesPagePath(gameName),
           QStringLiteral("There is no rules page for \"%1\".").arg(gameName));
}

}  // namespace tarnik
