#include "app/helpviewer/HelpPages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace quillane {

namespace {

QString TopicFileName(int topic) {
  return QString::number(topic) + QStringLiteral(".html");
}

}  // namespace

HelpPages::HelpPages(QString folder) : folder_(std::move(folder)) {}

QString HelpPages::ContentsPage() const {
  return QDir(folder_).filePath(QStringLiteral("index.html"));
}

bool HelpPages::HasContents() const {
  return QFileInfo::exists(ContentsPage());
}

bool HelpPages::HasTopic(int topic) const {
  return topic > 0 && QFileInfo::exists(QDir(folder_).filePath(TopicFileName(topic)));
}

QString HelpPages::PageFor(int topic) const {
  return HasTopic(topic) ? QDir(folder_).filePath(TopicFileName(topic)) : ContentsPage();
}

const std::vector<HelpPages::Page>& HelpPages::Pages() const {
  if (read_) return pages_;
  read_ = true;
  static const QRegularExpression topicName(QStringLiteral("^\\d+\\.html$"));
  const QFileInfoList files =
      QDir(folder_).entryInfoList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  for (const QFileInfo& file : files) {
    if (!topicName.match(file.fileName()).hasMatch()) continue;
    QFile in(file.absoluteFilePath());
    if (!in.open(QIODevice::ReadOnly)) continue;
    QTextDocument document;
    document.setHtml(QString::fromUtf8(in.readAll()));
    QString title = document.metaInformation(QTextDocument::DocumentTitle);
    if (title.isEmpty()) title = file.completeBaseName();
    pages_.push_back({file.absoluteFilePath(), title, document.toPlainText().toLower()});
  }
  return pages_;
}

std::vector<HelpPages::Hit> HelpPages::Search(const QString& words) const {
  std::vector<QRegularExpression> wanted;
  for (const QString& word : words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    // A longer word also finds its longer forms ("pair" finds "pairing"); a
    // short one only itself, or "I" would find every word that starts with i.
    const QString pattern = QStringLiteral("\\b") + QRegularExpression::escape(word.toLower()) +
                            (word.size() < 3 ? QStringLiteral("\\b") : QString());
    wanted.emplace_back(pattern);
  }
  std::vector<Hit> hits;
  if (wanted.empty()) return hits;
  for (const Page& page : Pages()) {
    int count = 0;
    bool all = true;
    for (const QRegularExpression& word : wanted) {
      int found = 0;
      for (auto match = word.globalMatch(page.text); match.hasNext(); match.next()) ++found;
      if (found == 0) {
        all = false;
        break;
      }
      count += found;
    }
    if (all) hits.push_back({page.path, page.title, count});
  }
  std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
    return a.count != b.count ? a.count > b.count : a.title.localeAwareCompare(b.title) < 0;
  });
  return hits;
}

}  // namespace quillane
