#include "ideas/widgets/IChingPage.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Session.h"
#include "ideas/IChing.h"
#include "ideas/widgets/IChingLineBox.h"
#include "ideas/widgets/IChingPictures.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/PageLabel.h"

namespace quillane {

namespace {

constexpr int kTickMs = 55;
constexpr int kPlainLine = 0;
constexpr int kStrip = 1;
constexpr int kNumberColumnWidth = 170;  // room for the longest hexagram name
// Texts naming a line for screen readers, 6 to 9 in turn.
constexpr int kLineValueNames = 3400 - kChangingBroken;

QString Indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The number and name stand on two lines.
QString ShownCaption(const QString& caption) {
  return QString(caption).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

IChingPage::IChingPage(IChingState& iching, Platform& platform, QGroupBox* frame, QBoxLayout* entryRow)
    : iching_(iching), platform_(platform) {
  auto* layout = static_cast<QVBoxLayout*>(frame->layout());
  lblInstruction = PageLabel(frame, QStringLiteral("lblIdeasIChing(0)"));
  lblIdeasIChingGoal = PageLabel(frame, QStringLiteral("lblIdeasIChingGoal"));
  QFont bold = lblIdeasIChingGoal->font();
  bold.setBold(true);
  lblIdeasIChingGoal->setFont(bold);
  cmdIdeasIChing = new QPushButton(frame);
  cmdIdeasIChing->setObjectName(QStringLiteral("cmdIdeasIChing"));

  // The source pictures are drawn for the finest screen and scale down cleanly.
  const qreal ratio = qApp->devicePixelRatio();
  const IChingColours colours = IChingColoursFor(frame->palette());
  for (int i = 0; i < 2; ++i) {
    picIChingLineOrg[i] = PageLabel(frame, Indexed("picIChingLineOrg", i), false);
    picIChingLineOrg[i]->setPixmap(i == kPlainLine ? PlainLinePicture(ratio, colours)
                                                   : WaveStripPicture(ratio, colours));
    picIChingLineOrg[i]->hide();
  }
  fraIChingHex1 =
      BuildHexagram(frame, "fraIChingHex1", picIChingHex1, "picIChingHex1", "picIChingLineLeeg", true);
  fraIChingHex2 =
      BuildHexagram(frame, "fraIChingHex2", picIChingHex2, "picIChingHex2", "picIChingLineLeeg2", false);
  picIChingArrow = PageLabel(frame, QStringLiteral("picIChingArrow"), false);
  picIChingArrow->setPixmap(IChingArrowPicture(ratio, colours));
  for (int i = 0; i < 2; ++i) {
    lblIdeasIChingNumber[i] = PageLabel(frame, Indexed("lblIdeasIChingNumber", i), false);
    lblIdeasIChingNumber[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblIdeasIChingNumber[i]->setMinimumHeight(2 * lblIdeasIChingNumber[i]->fontMetrics().lineSpacing());
  }
  for (int i = 0; i < 6; ++i) {
    tmrIChing[i] = new QTimer(frame);
    tmrIChing[i]->setObjectName(Indexed("tmrIChing", i));
    tmrIChing[i]->setInterval(kTickMs);
    connect(tmrIChing[i], &QTimer::timeout, this, [this, i] { tmrIChing_Timer(i); });
  }
  lblEntry = PageLabel(frame, QStringLiteral("lblIdeasIChing(1)"));

  auto* figure = new QGridLayout;
  figure->setColumnMinimumWidth(0, kNumberColumnWidth);
  figure->setColumnMinimumWidth(2, kNumberColumnWidth);
  figure->addWidget(fraIChingHex1, 0, 0, Qt::AlignHCenter);
  figure->addWidget(picIChingArrow, 0, 1, Qt::AlignVCenter);
  figure->addWidget(fraIChingHex2, 0, 2, Qt::AlignHCenter);
  figure->addWidget(lblIdeasIChingNumber[0], 1, 0);
  figure->addWidget(lblIdeasIChingNumber[1], 1, 2);
  auto* centred = new QHBoxLayout;
  centred->addStretch();
  centred->addLayout(figure);
  centred->addStretch();
  auto* cast = new QHBoxLayout;
  cast->addStretch();
  cast->addWidget(cmdIdeasIChing);
  cast->addStretch();

  layout->addWidget(lblInstruction);
  layout->addWidget(lblIdeasIChingGoal);
  layout->addSpacing(8);
  layout->addLayout(cast);
  layout->addLayout(centred);
  layout->addStretch();
  layout->addWidget(lblEntry);
  layout->addLayout(entryRow);

  frame->installEventFilter(this);
}

QFrame* IChingPage::BuildHexagram(QGroupBox* frame, const char* name, std::array<IChingLineBox*, 6>& boxes,
                                  const char* boxName, const char* patchName, bool numbered) {
  auto* hexagram = new QFrame(frame);
  hexagram->setObjectName(QLatin1String(name));
  hexagram->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QPalette ground = hexagram->palette();
  const IChingColours colours = IChingColoursFor(ground);
  ground.setColor(QPalette::Window, colours.ground);
  ground.setColor(QPalette::WindowText, colours.ink);
  hexagram->setPalette(ground);
  hexagram->setAutoFillBackground(true);
  auto* grid = new QGridLayout(hexagram);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  const int numberWidth = hexagram->fontMetrics().horizontalAdvance(QLatin1Char('0')) + 2;
  grid->setColumnMinimumWidth(0, numberWidth);
  grid->setColumnMinimumWidth(2, numberWidth);
  for (int i = 0; i < 6; ++i) {
    const int row = 5 - i;  // line 1 at the bottom
    grid->setRowMinimumHeight(row, hexagram->fontMetrics().height());
    boxes[i] = new IChingLineBox(hexagram, Indexed(boxName, i), Indexed(patchName, i));
    grid->addWidget(boxes[i], row, 1, Qt::AlignVCenter);
    if (!numbered) continue;
    lblIChingRowNo[i] = PageLabel(hexagram, Indexed("lblIChingRowNo", i), false);
    lblIChingRowNo[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblIChingLineNo[i] = PageLabel(hexagram, Indexed("lblIChingLineNo", i), false);
    grid->addWidget(lblIChingRowNo[i], row, 0);
    grid->addWidget(lblIChingLineNo[i], row, 2);
  }
  return hexagram;
}

void IChingPage::Prepare(const SessionContent& content) {
  StopAnimation();
  lblIdeasIChingGoal->setText(content.sGoal);
  FillIChingTables(iching_);
  for (QLabel* number : lblIdeasIChingNumber) number->clear();
  StartConsultation(iching_);
  for (int i = 0; i < 6; ++i) {
    picIChingHex1[i]->Clear();
    picIChingHex2[i]->Clear();
    picIChingHex1[i]->setAccessibleName({});
    picIChingHex2[i]->setAccessibleName({});
    lblIChingRowNo[i]->clear();
    lblIChingLineNo[i]->clear();
  }
  cmdIdeasIChing->setEnabled(true);
}

void IChingPage::SetTexts() {
  lblInstruction->setText(Text(223));
  lblIdeasIChingGoal->setAccessibleName(ShownText(257));
  cmdIdeasIChing->setText(Text(242));
  lblEntry->setText(Text(224));
  fraIChingHex1->setAccessibleName(Text(3404));
  fraIChingHex2->setAccessibleName(Text(3405));
  picIChingArrow->setAccessibleName(Text(3406));
}

bool IChingPage::cmdIdeasIChing_Click() {
  IChingState& s = iching_;
  const int line = s.nIChingLine;
  const int value = CastLine(s, platform_);
  IChingLineBox* box = picIChingHex1[line - 1];
  box->tag = QString::number(value);
  box->setAccessibleName(Text(kLineValueNames + value));
  lblIChingRowNo[line - 1]->setText(QString::number(line));
  const bool changing = IsChangingLine(value);
  box->ShowPicture(picIChingLineOrg[changing ? kStrip : kPlainLine]->pixmap(), !IsUnbrokenLine(value));
  if (changing) {
    lblIChingLineNo[line - 1]->setText(QString::number(value));
    tmrIChing[line - 1]->start();
  }
  if (line < kHexagramLines) return false;

  cmdIdeasIChing->setEnabled(false);
  lblIdeasIChingNumber[0]->setText(ShownCaption(HexagramCaption(s, CastHexagram(s))));
  if (s.bIChingFlag) ShowChangedHexagram();
  return true;
}

void IChingPage::ShowChangedHexagram() {
  IChingState& s = iching_;
  const int changed = ChangeLines(s);
  const QPixmap plain = picIChingLineOrg[kPlainLine]->pixmap();
  for (int i = 0; i < 6; ++i) {
    const int value = s.nIChingA[static_cast<std::size_t>(i + 1)];
    picIChingHex2[i]->ShowPicture(plain, value == kBroken);
    picIChingHex2[i]->setAccessibleName(Text(kLineValueNames + value));
  }
  lblIdeasIChingNumber[1]->setText(ShownCaption(HexagramCaption(s, changed)));
}

void IChingPage::tmrIChing_Timer(int index) {
  IChingLineBox* box = picIChingHex1[index];
  if (!IsChangingLine(box->tag.toInt())) return;
  const QPixmap strip = picIChingLineOrg[kStrip]->pixmap();
  const int stripWidth = qRound(strip.width() / strip.devicePixelRatio());
  box->CopyFromStrip(strip, ScrollChangingLine(iching_, index, stripWidth, box->contentsRect().width()));
}

void IChingPage::StopAnimation() {
  for (QTimer* timer : tmrIChing) timer->stop();
}

bool IChingPage::eventFilter(QObject* watched, QEvent* event) {
  // The consultation ends when the dialog closes: its animation with it.
  if (event->type() == QEvent::Hide) StopAnimation();
  return QObject::eventFilter(watched, event);
}

}  // namespace quillane
