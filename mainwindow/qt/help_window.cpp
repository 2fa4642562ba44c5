#include "mainwindow/qt/help_window.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/error_report.h"
#include "core/runtime_error.h"
#include "mainwindow/help_file.h"

// The build or the package names the data folder; this is where `make install` puts it.
#ifndef PELMIRA_DATA_DIR
#define PELMIRA_DATA_DIR "/usr/local/share/pelmira"
#endif

namespace pelmira {
namespace {

const QString kContentsAnchor = QStringLiteral("contents");

// A browser that takes the help file's text from the window, which has read it as UTF-8:
// going by its ".hlp" name, the browser would not know it for HTML.
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  void set_help(const QUrl& url, const QString& html) {
    help_url_ = url;
    help_html_ = html;
  }

  QVariant loadResource(int type, const QUrl& name) override {
    if (name.adjusted(QUrl::RemoveFragment) == help_url_) return help_html_;
    return QTextBrowser::loadResource(type, name);
  }

 private:
  QUrl help_url_;
  QString help_html_;
};

bool has_anchor(const QTextDocument& document, const QString& name) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.charFormat().anchorNames().contains(name)) return true;
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorNames().contains(name)) return true;
  }
  return false;
}

QPushButton* button(const QString& text, const QString& object_name, QWidget* parent) {
  auto* push = new QPushButton(text, parent);
  push->setObjectName(object_name);
  push->setAccessibleName(text);
  return push;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowTitle(QStringLiteral("Pelmira ヘルプ"));
  setAccessibleName(windowTitle());
  resize(640, 480);

  auto* browser = new HelpBrowser(this);
  browser_ = browser;
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  browser_->setAccessibleName(QStringLiteral("ヘルプの本文"));
  browser_->setOpenExternalLinks(true);

  back_ = button(QStringLiteral("戻る"), QStringLiteral("helpBack"), this);
  forward_ = button(QStringLiteral("進む"), QStringLiteral("helpForward"), this);
  contents_ = button(QStringLiteral("目次"), QStringLiteral("helpContents"), this);
  back_->setEnabled(false);
  forward_->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addWidget(contents_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(contents_, &QPushButton::clicked, this, &HelpWindow::show_contents);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
}

void HelpWindow::load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    const std::int32_t number = file.exists() ? err::kPermissionDenied : err::kFileNotFound;
    throw RuntimeError(number,
                       std::string(error_description(number)) + " (" + path.toStdString() + ")");
  }
  const QString html = QString::fromUtf8(file.readAll());
  const QFileInfo info(path);
  const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
  path_ = path;
  static_cast<HelpBrowser*>(browser_)->set_help(url, html);
  browser_->setSearchPaths({info.absolutePath()});
  browser_->clearHistory();
  browser_->setSource(url, QTextDocument::HtmlResource);
}

void HelpWindow::show_contents() {
  if (path_.isEmpty()) return;
  QUrl url = QUrl::fromLocalFile(QFileInfo(path_).absoluteFilePath());
  // Back on the help file itself when a link has led to another page.
  if (browser_->source().adjusted(QUrl::RemoveFragment) != url)
    browser_->setSource(url, QTextDocument::HtmlResource);
  if (has_anchor(*browser_->document(), kContentsAnchor)) {
    browser_->scrollToAnchor(kContentsAnchor);
  } else {
    browser_->verticalScrollBar()->setValue(0);
  }
}

std::string help_data_folder() {
  return PELMIRA_DATA_DIR;
}

void show_help_contents(HelpWindow& window, const std::string& program_folder,
                        const std::string& data_folder) {
  std::string path;
  try {
    path = find_help_file(program_folder, data_folder, &path);
    window.load(QString::fromStdString(path));
  } catch (const RuntimeError& error) {
    report_error(error, "pelmirahelp01_Click", path);
    return;
  }
  window.show();
  window.raise();
  window.activateWindow();
  window.show_contents();
}

}  // namespace pelmira
