// The help file pelmira.hlp, read the way the main window's help window reads it: through
// QTextBrowser, from the copy the build puts beside the programs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <cstdlib>
#include <memory>

namespace pelmira {
namespace {

const QString kHelpFile = QStringLiteral(PELMIRA_BUILD_DIR "/pelmira.hlp");

int g_argc = 1;
char g_program[] = "test_desktop_qt";
char* g_argv[] = {g_program, nullptr};

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app_ = std::make_unique<QApplication>(g_argc, g_argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// A browser that notes every resource the document asks for besides the page itself.
class RecordingBrowser : public QTextBrowser {
 public:
  QVariant loadResource(int type, const QUrl& name) override {
    if (name != QUrl::fromLocalFile(kHelpFile)) requested << name.toString();
    return QTextBrowser::loadResource(type, name);
  }

  QStringList requested;
};

struct Links {
  QSet<QString> anchors;  // names a link can lead to
  QStringList hrefs;      // targets of the links, in document order
};

Links links_of(const QTextDocument& document) {
  Links links;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      for (const QString& name : format.anchorNames()) links.anchors.insert(name);
      if (!format.anchorHref().isEmpty()) links.hrefs << format.anchorHref();
    }
  }
  return links;
}

class HelpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::exists(kHelpFile)) << kHelpFile.toStdString();
    browser_.setSource(QUrl::fromLocalFile(kHelpFile));
  }

  QString text() const { return browser_.document()->toPlainText(); }

  RecordingBrowser browser_;
};

TEST_F(HelpFileTest, ReadsAsUtf8Html) {
  // A title exists only when the file was read as HTML, and it reads right only in UTF-8.
  EXPECT_EQ(browser_.documentTitle(), QStringLiteral("Pelmira ヘルプ"));
  EXPECT_TRUE(text().startsWith(QStringLiteral("Pelmira ヘルプ"))) << text().left(40).toStdString();
  EXPECT_FALSE(text().contains(QStringLiteral("<h2>")));
  EXPECT_TRUE(text().contains(QStringLiteral("目次へ戻る")));
}

TEST_F(HelpFileTest, EveryLinkLeadsToAnAnchorOfTheFile) {
  const Links links = links_of(*browser_.document());
  ASSERT_TRUE(links.anchors.contains(QStringLiteral("contents")));
  ASSERT_GT(links.hrefs.size(), 20);
  for (const QString& href : links.hrefs) {
    ASSERT_TRUE(href.startsWith(QLatin1Char('#')))
        << "not a link inside the file: " << href.toStdString();
    EXPECT_TRUE(links.anchors.contains(href.mid(1))) << "no anchor for " << href.toStdString();
  }
}

TEST_F(HelpFileTest, EverySectionIsLinked) {
  const Links links = links_of(*browser_.document());
  QSet<QString> linked;
  for (const QString& href : links.hrefs) linked.insert(href.mid(1));
  for (const QString& anchor : links.anchors)
    EXPECT_TRUE(anchor == QStringLiteral("contents") || linked.contains(anchor))
        << "section not reachable from the contents: " << anchor.toStdString();
}

TEST_F(HelpFileTest, LoadsNothingElse) {
  EXPECT_TRUE(browser_.requested.isEmpty()) << browser_.requested.join(u' ').toStdString();
  QFile file(kHelpFile);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray html = file.readAll().toLower();
  for (const char* needle : {"<script", "<img", "src=", "http:", "https:", "<link"})
    EXPECT_FALSE(html.contains(needle)) << needle;
  EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">"));
}

// The names users look for: the twelve listings, the data file's first line, and where the
// settings live.
TEST_F(HelpFileTest, NamesWhatTheUserLooksFor) {
  const QStringList names = {
      QStringLiteral("学校"),
      QStringLiteral("年齢"),
      QStringLiteral("干支"),
      QStringLiteral("結婚記念"),
      QStringLiteral("七五三と算賀"),
      QStringLiteral("命日"),
      QStringLiteral("厄年"),
      QStringLiteral("２４節気"),
      QStringLiteral("月日が一致する人を表示"),
      QStringLiteral("占い"),
      QStringLiteral("年月日の情報"),
      QStringLiteral("日数の計算"),
      QStringLiteral("Pelmira年齢計算用リスト"),
      QStringLiteral("~/.config/pelmira/pelmira.ini"),
      QStringLiteral("レジストリを削除して終了"),
      QStringLiteral("lunoka --list"),
  };
  for (const QString& name : names) EXPECT_TRUE(text().contains(name)) << name.toStdString();
}

}  // namespace
}  // namespace pelmira
