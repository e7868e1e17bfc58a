#pragma once

#include <QMainWindow>
#include <memory>

#include "app/helpviewer/HelpPages.h"
#include "platform/helprequest/HelpRequest.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QTextBrowser;

namespace quillane {

// The help viewer's window: the pages with back, forward and contents, and a
// search over the text of every page.
class HelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  HelpWindow();
  ~HelpWindow() override;

  // Shows the topic of the request: its page, or the contents with a note
  // when the topic has no page of its own.
  void Open(const HelpRequest& request);
  // Lists the pages that hold the words of the search box.
  void RunSearch();

 private:
  void BuildLayout();
  void SetTexts();
  void ShowPage(const QString& path);
  void ShowNote(const QString& note);
  void OpenHit(int row);

  std::unique_ptr<HelpPages> pages_;
  QTextBrowser* brwPage_ = nullptr;
  QLabel* lblNote_ = nullptr;
  QLineEdit* txtSearch_ = nullptr;
  QListWidget* lstSearchResults_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QAction* actBack_ = nullptr;
  QAction* actForward_ = nullptr;
  QAction* actContents_ = nullptr;
  QAction* actSearch_ = nullptr;
  QString searchedWords_;
};

// Where the viewer's frame goes: along the right edge of the screen, so the
// program's dialog stays in sight beside it, unless that covers something in
// `keepClear` (the program's buttons); then in the free part of the screen
// where most of it fits. Only where no part of the screen is of use does it
// cover them.
QRect HelpWindowPlace(const QRect& screen, const ScreenAreas& keepClear = {});

}  // namespace quillane
