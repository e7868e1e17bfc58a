#pragma once

#include "ui/GoalLine.h"

class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillane {

struct ClusterState;
struct MindStepState;
struct SessionContent;

// The MindStepping page: one chosen idea at a time as a stepping stone.
struct MindSteppingPage {
  MindSteppingPage(QGroupBox* frame, QBoxLayout* entryRow);
  void Prepare(const SessionContent& content, MindStepState& mindStep);
  void SetTexts(const MindStepState& mindStep);
  // "Next MindStep": the next stepping stone; disabled at the last one.
  void cmdIdeasMindstepping_Click(MindStepState& mindStep, QLineEdit* entryBox);

  QLabel* lblPosition = nullptr;  // `lblIdeasMindStepping(0)`
  QLabel* lblIdeasMindSteppingIdea = nullptr;
  QPushButton* cmdIdeasMindstepping = nullptr;
  QLabel* lblImprove = nullptr;  // `lblIdeasMindStepping(1)`
  GoalLine goal;                 // `lblIdeasMindStepping(2)`, `lblIdeasMindsteppingGoal`
};

// The Clustering page: the chosen ideas together, and what they share.
struct ClusterPage {
  ClusterPage(QGroupBox* frame, QBoxLayout* entryRow);
  void Prepare(const SessionContent& content, const ClusterState& cluster);
  void SetTexts(const ClusterState& cluster);

  QLabel* lblCount = nullptr;  // `lblIdeasCluster(0)`
  QListWidget* lstIdeasCluster = nullptr;
  QLabel* lblCommon = nullptr;  // `lblIdeasCluster(2)`
  QLineEdit* txtClusterUnif = nullptr;
  QLabel* lblBased = nullptr;  // `lblIdeasCluster(1)`
  GoalLine goal;               // `lblIdeasCluster(3)`, `lblIdeasClusterGoal`
};

}  // namespace quillane
