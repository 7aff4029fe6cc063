#include "ui/window/help_window.h"

#include <QFileInfo>
#include <QByteArray>
#include <QImage>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "engine/library/help_file.h"
#include "engine/library/help_page.h"

namespace tarnik {

namespace {

// A browser that reads only what ReadHelpFile allows: regular files inside
// the help folder within the size limit; a page nested too deeply is shown
// as a short note instead, and anything else as nothing.
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    QUrl url = name;
    if (url.isRelative()) url = source().resolved(name);
    if (!url.isLocalFile() && url.scheme().isEmpty()) url = QUrl::fromLocalFile(url.path());
    if (!url.isLocalFile()) return type == QTextDocument::HtmlResource ? QVariant() : Nothing();
    const auto bytes = ReadHelpFile(QFileInfo(QStringLiteral("Help")).absoluteFilePath().toStdString(),
                                    url.toLocalFile().toStdString());
    if (!bytes) return type == QTextDocument::HtmlResource ? QVariant(Refusal(url)) : Nothing();
    const QByteArray data(reinterpret_cast<const char*>(bytes->data()),
                          static_cast<qsizetype>(bytes->size()));
    if (type != QTextDocument::HtmlResource) return data;
    if (HelpNestingDepth(data.toStdString()) > kHelpNestingLimit) return Refusal(url);
    return QString::fromUtf8(data);
  }

 private:
  // A refused picture: an empty one, so that the document does not go and
  // read the file itself when the browser gives it nothing.
  static QVariant Nothing() {
    QImage blank(1, 1, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return blank;
  }
  // The note shown in place of a page that is not read.
  static QString Refusal(const QUrl& url) {
    return QStringLiteral("<h2>Tarnik Solitaire Help</h2><p>The help page \"%1\" cannot be shown: "
                          "it is not a regular file of at most 1 MiB in the Help folder, or "
                          "its lists and tables nest too deeply.</p>")
        .arg(url.fileName().toHtmlEscaped());
  }
};

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new HelpBrowser(this)) {
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
