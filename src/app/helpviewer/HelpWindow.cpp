#include "app/helpviewer/HelpWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "resources/Texts.h"

namespace quillane {

namespace {
constexpr int kPathRole = Qt::UserRole;
}  // namespace

HelpWindow::HelpWindow() {
  setObjectName(QStringLiteral("frmHelp"));
  BuildLayout();
  SetTexts();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::BuildLayout() {
  auto* toolbar = addToolBar(QString());
  toolbar->setObjectName(QStringLiteral("tbrHelp"));
  toolbar->setMovable(false);
  toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  actBack_ = toolbar->addAction(QString());
  actBack_->setObjectName(QStringLiteral("actBack"));
  actBack_->setShortcut(QKeySequence::Back);
  actForward_ = toolbar->addAction(QString());
  actForward_->setObjectName(QStringLiteral("actForward"));
  actForward_->setShortcut(QKeySequence::Forward);
  actContents_ = toolbar->addAction(QString());
  actContents_->setObjectName(QStringLiteral("actContents"));
  toolbar->addSeparator();
  txtSearch_ = new QLineEdit(toolbar);
  txtSearch_->setObjectName(QStringLiteral("txtSearch"));
  txtSearch_->setClearButtonEnabled(true);
  toolbar->addWidget(txtSearch_);
  actSearch_ = toolbar->addAction(QString());
  actSearch_->setObjectName(QStringLiteral("actSearch"));
  auto* findShortcut = new QAction(this);
  findShortcut->setShortcut(QKeySequence::Find);
  addAction(findShortcut);
  // Escape closes the help, as it closes a dialog.
  auto* closeShortcut = new QAction(this);
  closeShortcut->setShortcut(QKeySequence(Qt::Key_Escape));
  addAction(closeShortcut);
  connect(closeShortcut, &QAction::triggered, this, &QWidget::close);

  lstSearchResults_ = new QListWidget;
  lstSearchResults_->setObjectName(QStringLiteral("lstSearchResults"));
  lstSearchResults_->hide();

  lblNote_ = new QLabel;
  lblNote_->setObjectName(QStringLiteral("lblNote"));
  lblNote_->setWordWrap(true);
  lblNote_->setTextFormat(Qt::PlainText);  // a note can name the folder it looked in
  lblNote_->setMargin(6);
  // A note of its own colours, text included, so it reads on any palette.
  lblNote_->setStyleSheet(
      QStringLiteral("background: #fff6d5; color: #3a3000; border-bottom: 1px solid #e0c060;"));
  lblNote_->hide();
  brwPage_ = new QTextBrowser;
  brwPage_->setObjectName(QStringLiteral("brwPage"));
  brwPage_->setOpenExternalLinks(true);
  // The pages bring their own dark ink, so they keep a light page on a dark
  // palette too.
  QPalette page = brwPage_->palette();
  page.setColor(QPalette::Base, Qt::white);
  page.setColor(QPalette::Text, QColor(0x1d, 0x24, 0x30));
  brwPage_->setPalette(page);

  auto* pagePane = new QWidget;
  auto* pageLayout = new QVBoxLayout(pagePane);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pageLayout->setSpacing(0);
  pageLayout->addWidget(lblNote_);
  pageLayout->addWidget(brwPage_, 1);

  // The results above the page: the window is tall and narrow, beside the program.
  splitter_ = new QSplitter(Qt::Vertical);
  splitter_->addWidget(lstSearchResults_);
  splitter_->addWidget(pagePane);
  splitter_->setStretchFactor(1, 1);
  splitter_->setChildrenCollapsible(false);
  setCentralWidget(splitter_);

  connect(actBack_, &QAction::triggered, brwPage_, &QTextBrowser::backward);
  connect(actForward_, &QAction::triggered, brwPage_, &QTextBrowser::forward);
  connect(brwPage_, &QTextBrowser::backwardAvailable, actBack_, &QAction::setEnabled);
  connect(brwPage_, &QTextBrowser::forwardAvailable, actForward_, &QAction::setEnabled);
  connect(actContents_, &QAction::triggered, this, [this] {
    if (pages_) ShowPage(pages_->ContentsPage());
  });
  connect(actSearch_, &QAction::triggered, this, &HelpWindow::RunSearch);
  connect(txtSearch_, &QLineEdit::returnPressed, this, &HelpWindow::RunSearch);
  connect(findShortcut, &QAction::triggered, this, [this] {
    txtSearch_->setFocus();
    txtSearch_->selectAll();
  });
  connect(lstSearchResults_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenHit(lstSearchResults_->row(item)); });
  connect(lstSearchResults_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { OpenHit(lstSearchResults_->row(item)); });
  // A note belongs to the page it was shown with.
  connect(brwPage_, &QTextBrowser::sourceChanged, lblNote_, &QLabel::hide);
  actBack_->setEnabled(false);
  actForward_->setEnabled(false);
}

void HelpWindow::SetTexts() {
  setWindowTitle(ShownText(3300));
  actBack_->setText(ShownText(3301));
  actForward_->setText(ShownText(3302));
  actContents_->setText(ShownText(3303));
  actSearch_->setText(ShownText(3304));
  txtSearch_->setPlaceholderText(ShownText(3305));
  txtSearch_->setAccessibleName(ShownText(3305));
  lstSearchResults_->setAccessibleName(ShownText(3309));
  brwPage_->setAccessibleName(ShownText(3300));
}

void HelpWindow::Open(const HelpRequest& request) {
  if (!pages_ || pages_->folder() != request.folder) pages_ = std::make_unique<HelpPages>(request.folder);
  if (!pages_->HasContents() && !pages_->HasTopic(request.topic)) {
    brwPage_->clear();
    ShowNote(ShownText(3310) + QLatin1Char(' ') + request.folder);
    return;
  }
  ShowPage(pages_->PageFor(request.topic));
  if (request.topic != 0 && !pages_->HasTopic(request.topic)) {
    ShowNote(ShownText(3307) + QString::number(request.topic) + ShownText(3308));
  }
}

void HelpWindow::ShowPage(const QString& path) {
  brwPage_->setSource(QUrl::fromLocalFile(path));
}

void HelpWindow::ShowNote(const QString& note) {
  lblNote_->setText(note);
  lblNote_->show();
}

void HelpWindow::RunSearch() {
  lstSearchResults_->clear();
  searchedWords_ = txtSearch_->text().simplified();
  if (!pages_ || searchedWords_.isEmpty()) {
    lstSearchResults_->hide();
    return;
  }
  const std::vector<HelpPages::Hit> hits = pages_->Search(searchedWords_);
  for (const HelpPages::Hit& hit : hits) {
    auto* item = new QListWidgetItem(hit.title, lstSearchResults_);
    item->setData(kPathRole, hit.page);
  }
  if (hits.empty()) {
    auto* item = new QListWidgetItem(ShownText(3306), lstSearchResults_);
    item->setFlags(Qt::NoItemFlags);
  }
  lstSearchResults_->show();
  constexpr int kMostRowsShown = 8;
  const int rows = std::min(lstSearchResults_->count(), kMostRowsShown);
  const int listHeight =
      rows * lstSearchResults_->sizeHintForRow(0) + 2 * lstSearchResults_->frameWidth() + 4;
  splitter_->setSizes({listHeight, std::max(0, splitter_->height() - listHeight)});
  if (!hits.empty()) lstSearchResults_->setCurrentRow(0);
}

void HelpWindow::OpenHit(int row) {
  const QListWidgetItem* item = lstSearchResults_->item(row);
  if (!item || item->data(kPathRole).toString().isEmpty()) return;
  ShowPage(item->data(kPathRole).toString());
  // Mark the first place the search found, so the reader sees why the page came up.
  brwPage_->moveCursor(QTextCursor::Start);
  brwPage_->find(searchedWords_.section(QLatin1Char(' '), 0, 0));
}

namespace {

constexpr int kNarrowest = 360;
constexpr int kLowest = 240;
// Smaller than this the help is no use, and it may as well cover something.
constexpr int kSmallestUsable = 200;

// The rectangles of `screen` that meet none of `areas` and whose edges lie
// on the screen's edges or along an area's: the largest free ones among them.
std::vector<QRect> FreeRectangles(const QRect& screen, const ScreenAreas& areas) {
  std::vector<int> lefts{screen.left()}, rights{screen.right()}, tops{screen.top()}, bottoms{screen.bottom()};
  for (const QRect& area : areas.rects()) {
    lefts.push_back(area.right() + 1);
    rights.push_back(area.left() - 1);
    tops.push_back(area.bottom() + 1);
    bottoms.push_back(area.top() - 1);
  }
  std::vector<QRect> free;
  for (int left : lefts) {
    for (int right : rights) {
      if (right < left || left < screen.left() || right > screen.right()) continue;
      for (int top : tops) {
        for (int bottom : bottoms) {
          if (bottom < top || top < screen.top() || bottom > screen.bottom()) continue;
          const QRect candidate(QPoint(left, top), QPoint(right, bottom));
          if (!areas.Intersects(candidate)) free.push_back(candidate);
        }
      }
    }
  }
  return free;
}

// Where the help fits best, keeping `keepClear` free: nothing when no part
// of the screen is of use.
std::optional<QRect> BestPlace(const QRect& screen, const ScreenAreas& keepClear) {
  const int width = std::clamp(screen.width() * 3 / 10, std::min(kNarrowest, screen.width()), 640);
  const int height = screen.height() * 9 / 10;
  const QRect rightSide(screen.right() + 1 - width, screen.top() + (screen.height() - height) / 2, width,
                        height);
  if (!keepClear.Intersects(rightSide)) return rightSide;

  // Else the free part of the screen where most of the help fits: a window
  // of at least the narrowest useful size first, nearer the right edge
  // when two hold as much.
  QRect best;
  auto usable = [&](const QRect& r) { return std::min(r.width(), width) * std::min(r.height(), height); };
  auto roomy = [](const QRect& r) { return r.width() >= kNarrowest && r.height() >= kLowest; };
  for (const QRect& free : FreeRectangles(screen, keepClear)) {
    if (best.isNull()) {
      best = free;
      continue;
    }
    if (roomy(free) != roomy(best)) {
      if (roomy(free)) best = free;
      continue;
    }
    const int more = usable(free) - usable(best);
    if (more > 0 || (more == 0 && free.right() > best.right())) best = free;
  }
  if (best.width() < kSmallestUsable || best.height() < kLowest) return std::nullopt;
  // At the right of that part, centred in its height.
  const int placedWidth = std::min(width, best.width());
  const int placedHeight = std::min(height, best.height());
  return QRect(best.right() + 1 - placedWidth, best.top() + (best.height() - placedHeight) / 2, placedWidth,
               placedHeight);
}

}  // namespace

QRect HelpWindowPlace(const QRect& screen, const ScreenAreas& keepClear) {
  // Beside the open dialogs where there is room, else beside their buttons.
  if (const std::optional<QRect> beside = BestPlace(screen, keepClear.AllMust())) return *beside;
  if (const std::optional<QRect> place = BestPlace(screen, keepClear)) return *place;
  const int width = std::clamp(screen.width() * 3 / 10, std::min(kNarrowest, screen.width()), 640);
  const int height = screen.height() * 9 / 10;
  return {screen.right() + 1 - width, screen.top() + (screen.height() - height) / 2, width, height};
}

}  // namespace quillane
