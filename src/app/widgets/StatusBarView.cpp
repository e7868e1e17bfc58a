#include "app/widgets/StatusBarView.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTime>
#include <QTimer>

#include "core/StatusLine.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/PageLabel.h"

namespace quillane {

namespace {
constexpr int kProgressBarWidth = 267;  // 4000 twips
constexpr int kProgressBarHeight = 17;  // 255 twips
constexpr int kProgressBarTop = 2;      // 30 twips

// A file name may hold line breaks; the bar keeps to one line.
QString OnOneLine(QString text) {
  for (QChar& c : text) {
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
      c = QLatin1Char(' ');
    }
  }
  return text;
}

}  // namespace

StatusBarView::StatusBarView(StatusLine& status, Platform& platform, QWidget* parent)
    : QStatusBar(parent), status_(status), platform_(platform) {
  setObjectName(QStringLiteral("winStatusBar"));
  setSizeGripEnabled(true);
  const int names[4] = {0, 3006, 3007, 3008};
  for (int i = 0; i < 4; ++i) {
    // Panel 2 names files, whatever their names hold.
    panels_[i] = PageLabel(this, QStringLiteral("winStatusBar.Panels(%1)").arg(i + 1), false);
    // A screen reader reads the panel's text as its name and hears what the
    // panel is for as its description.
    if (names[i] != 0) panels_[i]->setAccessibleDescription(ShownText(names[i]));
    panels_[i]->setContentsMargins(4, 0, 4, 0);
  }
  panels_[0]->setMinimumWidth(kProgressBarWidth);
  // However long a path, it takes the room the bar has, shortened in its
  // middle, and never widens the window.
  panels_[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  panels_[1]->installEventFilter(this);
  addWidget(panels_[0]);
  addWidget(panels_[1], 1);
  addPermanentWidget(panels_[2]);
  addPermanentWidget(panels_[3]);

  winProgresBar_ = new QProgressBar(this);
  winProgresBar_->setObjectName(QStringLiteral("winProgresBar"));
  winProgresBar_->setAccessibleName(ShownText(3005));
  winProgresBar_->setRange(0, 100);
  winProgresBar_->setValue(0);
  winProgresBar_->setTextVisible(false);
  PlaceProgressBar();

  connect(&status_, &StatusLine::panelTextChanged, this,
          [this](const QString& text) { SetPanelText(1, text); });
  connect(&status_, &StatusLine::barValueChanged, winProgresBar_, &QProgressBar::setValue);

  // The date and time panels change once a minute, at the new minute.
  minuteTimer_ = new QTimer(this);
  minuteTimer_->setSingleShot(true);
  minuteTimer_->setTimerType(Qt::CoarseTimer);
  connect(minuteTimer_, &QTimer::timeout, this, &StatusBarView::ShowDateAndTime);
  ShowDateAndTime();
}

QLabel* StatusBarView::panel(int number) const {
  return panels_[number - 1];
}

void StatusBarView::SetPanelText(int index, const QString& text) {
  const QString shown = OnOneLine(text);
  panels_[index]->setAccessibleName(shown);
  if (index == 1) {
    workfilePanelText_ = shown;
    FitWorkfilePanel();
  } else {
    panels_[index]->setText(shown);
  }
}

void StatusBarView::FitWorkfilePanel() {
  QLabel* panel = panels_[1];
  const int room = panel->contentsRect().width();
  panel->setText(panel->fontMetrics().elidedText(workfilePanelText_, Qt::ElideMiddle, room));
}

bool StatusBarView::eventFilter(QObject* watched, QEvent* event) {
  const bool refit = event->type() == QEvent::Resize || event->type() == QEvent::FontChange;
  if (watched == panels_[1] && refit) FitWorkfilePanel();
  return QStatusBar::eventFilter(watched, event);
}

void StatusBarView::PlaceProgressBar() {
  winProgresBar_->setGeometry(0, kProgressBarTop, kProgressBarWidth, kProgressBarHeight);
  winProgresBar_->raise();
}

void StatusBarView::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  PlaceProgressBar();
}

void StatusBarView::ShowDateAndTime() {
  const QLocale locale = QLocale::system();
  const double seconds = platform_.SecondsSinceMidnight();
  const QTime now = QTime::fromMSecsSinceStartOfDay(static_cast<int>(seconds * 1000) % 86400000);
  SetPanelText(2, locale.toString(platform_.Today(), QLocale::ShortFormat));
  // Hours and minutes in the user's own form, without the seconds.
  QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
  timeFormat.remove(QRegularExpression(QStringLiteral("[:.]ss?")));
  SetPanelText(3, locale.toString(now, timeFormat));
  const int msIntoMinute = static_cast<int>(seconds * 1000) % 60000;
  minuteTimer_->start(60000 - msIntoMinute + 50);
}

}  // namespace quillane
