#include "ideas/widgets/StepPages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Session.h"
#include "ideas/ClusterState.h"
#include "ideas/MindStepState.h"
#include "resources/Texts.h"
#include "ui/PageLabel.h"
#include "ui/TextEntry.h"

namespace quillane {

MindSteppingPage::MindSteppingPage(QGroupBox* frame, QBoxLayout* entryRow) {
  auto* layout = static_cast<QVBoxLayout*>(frame->layout());
  lblPosition = PageLabel(frame, QStringLiteral("lblIdeasMindStepping(0)"));
  lblIdeasMindSteppingIdea = FramedPageLabel(frame, QStringLiteral("lblIdeasMindSteppingIdea"));
  cmdIdeasMindstepping = new QPushButton(frame);
  cmdIdeasMindstepping->setObjectName(QStringLiteral("cmdIdeasMindstepping"));
  lblImprove = PageLabel(frame, QStringLiteral("lblIdeasMindStepping(1)"));
  layout->addWidget(lblPosition);
  auto* stone = new QHBoxLayout;
  stone->addWidget(lblIdeasMindSteppingIdea, 1);
  stone->addWidget(cmdIdeasMindstepping);
  layout->addLayout(stone);
  layout->addStretch();
  layout->addWidget(lblImprove);
  layout->addLayout(entryRow);
  goal = AddGoalLine(frame, layout, "lblIdeasMindStepping(2)", "lblIdeasMindsteppingGoal");
}

void MindSteppingPage::Prepare(const SessionContent& content, MindStepState& s) {
  s.nMindStepPos = 1;
  goal.goal->setText(content.sGoal);
  lblIdeasMindSteppingIdea->setText(s.sMindStep[1]);
  // With a single stepping stone there is no next one.
  cmdIdeasMindstepping->setEnabled(s.nMindStep > 1);
}

void MindSteppingPage::SetTexts(const MindStepState& s) {
  lblPosition->setText(Text(225) + QString::number(s.nMindStepPos) + Text(226));
  cmdIdeasMindstepping->setText(Text(244));
  lblImprove->setText(Text(227));
  goal.caption->setText(Text(257));
}

void MindSteppingPage::cmdIdeasMindstepping_Click(MindStepState& s, QLineEdit* entryBox) {
  if (s.nMindStepPos >= s.nMindStep) return;
  ++s.nMindStepPos;
  SetTexts(s);
  lblIdeasMindSteppingIdea->setText(s.sMindStep[static_cast<std::size_t>(s.nMindStepPos)]);
  if (s.nMindStepPos + 1 <= s.nMindStep) {
    entryBox->setFocus();
  } else {
    cmdIdeasMindstepping->setEnabled(false);
  }
}

ClusterPage::ClusterPage(QGroupBox* frame, QBoxLayout* entryRow) {
  auto* layout = static_cast<QVBoxLayout*>(frame->layout());
  lblCount = PageLabel(frame, QStringLiteral("lblIdeasCluster(0)"));
  lstIdeasCluster = new QListWidget(frame);
  lstIdeasCluster->setObjectName(QStringLiteral("lstIdeasCluster"));
  lstIdeasCluster->setSelectionMode(QAbstractItemView::NoSelection);
  lstIdeasCluster->setMinimumHeight(120);
  lblCount->setBuddy(lstIdeasCluster);
  lblCommon = PageLabel(frame, QStringLiteral("lblIdeasCluster(2)"));
  txtClusterUnif = new QLineEdit(frame);
  txtClusterUnif->setObjectName(QStringLiteral("txtClusterUnif"));
  LimitEntry(txtClusterUnif, kMaxTextLength);
  lblCommon->setBuddy(txtClusterUnif);
  lblBased = PageLabel(frame, QStringLiteral("lblIdeasCluster(1)"));
  layout->addWidget(lblCount);
  layout->addWidget(lstIdeasCluster, 1);
  layout->addWidget(lblCommon);
  layout->addWidget(txtClusterUnif);
  layout->addWidget(lblBased);
  layout->addLayout(entryRow);
  goal = AddGoalLine(frame, layout, "lblIdeasCluster(3)", "lblIdeasClusterGoal");
}

void ClusterPage::Prepare(const SessionContent& content, const ClusterState& s) {
  goal.goal->setText(content.sGoal);
  lstIdeasCluster->clear();
  for (int i = 1; i <= s.nCluster; ++i) lstIdeasCluster->addItem(s.sCluster[static_cast<std::size_t>(i)]);
}

void ClusterPage::SetTexts(const ClusterState& s) {
  lblCount->setText(Text(228) + QString::number(s.nCluster) + Text(229));
  lstIdeasCluster->setAccessibleName(lblCount->text());  // a list never takes its name from a label
  lblCommon->setText(Text(231));
  lblBased->setText(Text(230));
  goal.caption->setText(Text(257));
}

}  // namespace quillane
