#include "ideas/widgets/SuggestPages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/SessionDocument.h"
#include "ideas/PairingState.h"
#include "ideas/SuggestionState.h"
#include "ideas/SuggestionWords.h"
#include "resources/Texts.h"
#include "ui/PageLabel.h"

namespace quillane {

namespace {

// The drawn words stand out from the explanations around them.
QLabel* DrawLabel(QGroupBox* frame, const QString& name) {
  QLabel* label = PageLabel(frame, name);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMargin(8);
  label->setMinimumHeight(72);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.25);
  label->setFont(font);
  return label;
}

// The page layout both techniques share: explanation, the drawn words with
// their button, the entry label and row, and the goal at the bottom.
void LayOut(QGroupBox* frame, QLabel* explanation, QLabel* drawn, QPushButton* draw, QLabel* entry,
            QBoxLayout* entryRow) {
  auto* layout = static_cast<QVBoxLayout*>(frame->layout());
  layout->addWidget(explanation);
  layout->addWidget(drawn);
  layout->addWidget(draw, 0, Qt::AlignHCenter);
  layout->addStretch();
  layout->addWidget(entry);
  layout->addLayout(entryRow);
}

struct PairingNames {
  const char* suffix;
  int explanation;
};

PairingNames NamesOf(Pairing pairing) {
  switch (pairing) {
    case Pairing::TangibleIntangible: return {"TI", 220};
    case Pairing::TangibleTangible: return {"TT", 221};
    case Pairing::IntangibleIntangible: break;
  }
  return {"II", 222};
}

}  // namespace

SuggestPage::SuggestPage(QGroupBox* frame, QBoxLayout* entryRow) {
  lblExplanation = PageLabel(frame, QStringLiteral("lblIdeasWarmingUp(0)"));
  lblIdeasWarmingUpRnd = DrawLabel(frame, QStringLiteral("lblIdeasWarmingUpRnd"));
  cmdIdeasWarmingUp = new QPushButton(frame);
  cmdIdeasWarmingUp->setObjectName(QStringLiteral("cmdIdeasWarmingUp"));
  lblModified = PageLabel(frame, QStringLiteral("lblIdeasWarmingUp(1)"));
  LayOut(frame, lblExplanation, lblIdeasWarmingUpRnd, cmdIdeasWarmingUp, lblModified, entryRow);
  goal = AddGoalLine(frame, static_cast<QBoxLayout*>(frame->layout()), "lblIdeasWarmingUp(2)",
                     "lblIdeasWarmingUpGoal");
}

bool SuggestPage::Prepare(SessionDocument& document, Prompter& prompter, const Constants& constants,
                          Platform& platform, SuggestionState& suggestion) {
  const bool loaded = LoadSuggestionWords(document, prompter, constants, suggestion);
  goal.goal->setText(document.content().sGoal);
  if (!loaded) return false;
  lblIdeasWarmingUpRnd->setText(DrawSuggestion(suggestion, platform));
  return true;
}

void SuggestPage::SetTexts() {
  lblExplanation->setText(Text(219));
  cmdIdeasWarmingUp->setText(Text(240));
  lblModified->setText(Text(218));
  goal.caption->setText(Text(257));
}

void SuggestPage::cmdIdeasWarmingUp_Click(SuggestionState& suggestion, Platform& platform,
                                          QLineEdit* entryBox) {
  lblIdeasWarmingUpRnd->setText(DrawSuggestion(suggestion, platform));
  entryBox->setFocus();
}

PairingPage::PairingPage(QGroupBox* frame, QBoxLayout* entryRow, Pairing pairing) : pairing(pairing) {
  const QString suffix = QLatin1String(NamesOf(pairing).suffix);
  const QString labels = QStringLiteral("lblIdeasPair") + suffix;
  lblExplanation = PageLabel(frame, labels + QStringLiteral("(0)"));
  lblPair = DrawLabel(frame, labels + QStringLiteral("Rnd"));
  cmdNewPair = new QPushButton(frame);
  cmdNewPair->setObjectName(QStringLiteral("cmdIdeasPair") + suffix);
  lblEntry = PageLabel(frame, labels + QStringLiteral("(1)"));
  LayOut(frame, lblExplanation, lblPair, cmdNewPair, lblEntry, entryRow);
  goal = AddGoalLine(frame, static_cast<QBoxLayout*>(frame->layout()),
                     (labels + QStringLiteral("(2)")).toLatin1().constData(),
                     (labels + QStringLiteral("Goal")).toLatin1().constData());
}

void PairingPage::Prepare(const SessionContent& content, PairingState& state, Platform& platform) {
  if (!DrawOpeningPair(content, state, platform, pairing)) return;
  goal.goal->setText(content.sGoal);
  ShowPair(content, state);
}

void PairingPage::SetTexts() {
  lblExplanation->setText(Text(NamesOf(pairing).explanation));
  cmdNewPair->setText(Text(241));
  lblEntry->setText(Text(217));
  goal.caption->setText(Text(257));
}

void PairingPage::cmdIdeasPair_Click(const SessionContent& content, PairingState& state, Platform& platform,
                                     QLineEdit* entryBox) {
  if (DrawNextPair(content, state, platform, pairing)) ShowPair(content, state);
  entryBox->setFocus();
}

void PairingPage::ShowPair(const SessionContent& content, const PairingState& state) {
  // The two assets stand on two lines; a label breaks its lines at "\n".
  QString text = PairText(content, state, pairing);
  lblPair->setText(text.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

}  // namespace quillane
