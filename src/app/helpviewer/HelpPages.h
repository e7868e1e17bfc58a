#pragma once

#include <QString>
#include <vector>

namespace quillane {

// The help pages in one folder: `index.html` is the contents, `N.html` the
// topic of context number N. Knows which page a topic opens and finds the
// pages that hold given words.
class HelpPages {
 public:
  explicit HelpPages(QString folder);

  const QString& folder() const { return folder_; }
  QString ContentsPage() const;
  bool HasContents() const;
  bool HasTopic(int topic) const;
  // The page a topic opens: its own, or the contents for 0 and for a topic
  // without a page.
  QString PageFor(int topic) const;

  struct Hit {
    QString page;
    QString title;
    int count = 0;  // how often the words occur on the page
  };
  // The topic pages that hold every one of the blank-separated words, in any
  // letter case; the pages that hold them most often come first.
  std::vector<Hit> Search(const QString& words) const;

 private:
  struct Page {
    QString path;
    QString title;
    QString text;  // the visible text, in small letters
  };
  const std::vector<Page>& Pages() const;

  QString folder_;
  mutable std::vector<Page> pages_;  // read at the first search
  mutable bool read_ = false;
};

}  // namespace quillane
