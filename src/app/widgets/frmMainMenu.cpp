// The menu bar and the dispatch of every command of the main window.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/RunStates.h"
#include "app/widgets/MainCommandTable.h"
#include "app/widgets/frmAbout.h"
#include "app/widgets/frmMain.h"
#include "app/widgets/frmStart.h"
#include "core/Program.h"
#include "criteria/widgets/frmCriteria.h"
#include "ideas/IdeaSelection.h"
#include "ideas/widgets/frmIdeas.h"
#include "ideas/widgets/frmView.h"
#include "platform/Platform.h"
#include "platform/qt/InstanceChannel.h"
#include "reports/ConciseReport.h"
#include "reports/PlanFile.h"
#include "reports/SessionReport.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/LastRunBackup.h"
#include "session/NewSession.h"
#include "session/UnsavedChanges.h"
#include "session/Workfile.h"
#include "settings/Settings.h"
#include "settings/widgets/frmLanguage.h"
#include "settings/widgets/frmPassword.h"
#include "settings/widgets/frmPreferences.h"
#include "ui/HelpContexts.h"
#include "ui/HelpTopics.h"

namespace quillane {

namespace {
constexpr int kWaitForDialogMs = 500;
}  // namespace

int frmMain::HelpTopic() const {
  int number = topic::kMainWindow;
  for (const MenuSpec& menu : kMenus) {
    const bool open = menu.frameName && frames_[static_cast<std::size_t>(menu.index)]->isVisibleTo(this);
    if (open) number = menu.helpTopic;
  }
  return number;
}

void frmMain::HideAllFrames() {
  for (QGroupBox* frame : frames_) frame->hide();
}

void frmMain::chkMenu_Click(int index) {
  HideAllFrames();
  QPushButton* pressed = chkMenu_.at(static_cast<std::size_t>(index));
  if (!pressed->isChecked() && index != Menu::kExit) return;
  for (int i = 0; i < Menu::kCount; ++i) {
    if (i != index) chkMenu_[static_cast<std::size_t>(i)]->setChecked(false);
  }
  chkMenu_[Menu::kExit]->setChecked(false);
  if (index < Menu::kFrameCount) {
    frames_[static_cast<std::size_t>(index)]->show();
    SetHelpContexts();
    return;
  }
  ExitRoutine();
}

void frmMain::cmdButton_Click(Command command) {
  SetHelpContexts();
  RunCommand(command);
}

void frmMain::RunCommand(Command command) {
  Session& s = program_.session;
  switch (command) {
    case Command::NewSession:
      if (NewSession(program_, SaveFirst())) states_.ResetForNewSession();
      break;
    case Command::OpenSession:
      // Typed work is never replaced unasked.
      if (SettleUnsavedChanges(program_, SaveFirst())) {
        OpenWorkfile(program_, [this] { return AskPasswordEntry(program_, this); });
        autoBackup_->RunPendingCheck();
      }
      break;
    case Command::Goal: ShowGoalDialog(program_, this); break;
    case Command::Save: SaveCommand(SaveMode::kSave); break;
    case Command::SaveAs: SaveCommand(SaveMode::kSaveAs); break;
    case Command::CriteriaSet:
      if (s.sGoal.isEmpty()) {
        program_.MessageBox(Text(506), MsgButtons::OkOnly);
        break;
      }
      ShowCriteriaDialog(program_, states_.rating, this, kCriteriaSetMode);
      break;
    case Command::CriteriaRate: ShowCriteriaDialog(program_, states_.rating, this, kCriteriaRateMode); break;
    case Command::CriteriaView: ShowCriteriaDialog(program_, states_.rating, this, kCriteriaViewMode); break;
    case Command::TAssets:
    case Command::IAssets: {
      const int mode = command == Command::TAssets ? frmIdeas::kTAssets : frmIdeas::kIAssets;
      IdeasForm().ShowPage(mode);
      IdeasForm().fraIdeasMeter()->hide();
      OpenIdeas(mode);
      break;
    }
    case Command::AutoSuggest:
    case Command::PairTI:
    case Command::PairTT:
    case Command::PairII: {
      const int mode = frmIdeas::kAutoSuggest + (IndexOf(command) - IndexOf(Command::AutoSuggest));
      IdeasForm().ShowPage(mode);
      OpenIdeas(mode);
      break;
    }
    case Command::MindStepping:
    case Command::Clustering:
      PickThenStep(command == Command::MindStepping ? frmIdeas::kMindStepping : frmIdeas::kClustering);
      break;
    case Command::IChing:
      IdeasForm().ShowPage(frmIdeas::kIChing);
      OpenIdeas(frmIdeas::kIChing);
      break;
    case Command::ViewEditIdeas: ShowIdeaList(program_, this); break;
    case Command::ViewResults:
      IdeasForm().ShowPage(frmIdeas::kEvaluationView);
      IdeasForm().fraIdeasMeter()->hide();
      OpenIdeas(frmIdeas::kEvaluationView);
      break;
    case Command::Evaluate: CheckAndEvaluate(); break;
    case Command::HelpAtStartup: ToggleHelpAtStartup(); break;
    case Command::PrintConcise:
      if (program_.MessageBox(Text(532), MsgButtons::YesNo + MsgIcon::Exclamation) == Answer::Yes) {
        PrintConciseReport(program_, states_.evaluation);
      }
      break;
    case Command::MakeReport:
      WriteReport(program_, states_.evaluation);
      autoBackup_->RunPendingCheck();
      break;
    case Command::ViewReport: ViewReport(s, program_.platform); break;
    case Command::MakePlan:
      WritePlan(program_, states_.evaluation);
      autoBackup_->RunPendingCheck();
      break;
    case Command::ElaboratePlan: ElaboratePlan(s, program_.platform); break;
    case Command::SetLanguage: ShowLanguageDialog(program_, this); break;
    case Command::Password: SetPasswordCommand(program_, this); break;
    case Command::Preferences: ShowPreferencesDialog(program_, this); break;
    case Command::HowToUse: ShowHelpContents(program_); break;
    case Command::About: ShowAboutBox(program_, this, imgQuillaneLogo_->pixmap()); break;
    default: break;  // 4, 5 and 7 name no command
  }
}

void frmMain::CheckAndEvaluate() {
  Session& s = program_.session;
  if (s.sngWeight[1] == 0) {
    program_.MessageBox(Text(507), MsgButtons::OkOnly);
    return;
  }
  if (s.nIdeas < 2) {
    program_.MessageBox(Text(511), MsgButtons::OkOnly);
    return;
  }
  frmIdeas& ideas = IdeasForm();
  ideas.ShowPage(frmIdeas::kEvaluation);
  ideas.fraIdeasMeter()->hide();
  const std::optional<QStringList> picked = PickIdeas(program_, this, IdeaPick::Evaluation);
  if (!picked) {
    // Unloaded as a whole, so the next page it opens shows its meter again.
    ideas_.reset();
    return;
  }
  StorePick(states_.evaluation.sEvalIdeas, states_.evaluation.nEvalIdeas, *picked);
  OpenIdeas(frmIdeas::kEvaluation);
}

frmIdeas& frmMain::IdeasForm() {
  if (!ideas_) {
    const IdeasRunStates states{states_.suggestion, states_.pairing, states_.mindStep,
                                states_.cluster,    states_.iching,  states_.evaluation};
    ideas_ = std::make_unique<frmIdeas>(program_, states, this);
  }
  return *ideas_;
}

void frmMain::OpenIdeas(int mode) {
  ShowIdeasDialog(program_, IdeasForm(), mode);
  ideas_.reset();
}

void frmMain::PickThenStep(int mode) {
  const bool mindStepping = mode == frmIdeas::kMindStepping;
  IdeasForm().ShowPage(mode);
  const std::optional<QStringList> picked =
      PickIdeas(program_, this, mindStepping ? IdeaPick::MindStepping : IdeaPick::Clustering);
  if (!picked) {
    ideas_.reset();
    return;
  }
  if (mindStepping) {
    MindStepState& mindStep = states_.mindStep;
    StorePick(mindStep.sMindStep, mindStep.nMindStep, *picked);
    mindStep.nMindStepPos = 1;
  } else {
    StorePick(states_.cluster.sCluster, states_.cluster.nCluster, *picked);
  }
  OpenIdeas(mode);
}

void frmMain::ToggleHelpAtStartup() {
  Session& s = program_.session;
  s.bHelpAtStartup = !s.bHelpAtStartup;
  commandButton(Command::HelpAtStartup)->setText(Text(s.bHelpAtStartup ? 171 : 172));
}

SaveCommandFn frmMain::SaveFirst() {
  return [this] { return SaveCommand(SaveMode::kSave); };
}

FileOutcome frmMain::SaveCommand(SaveMode mode) {
  const FileOutcome outcome = SaveWorkfile(program_, mode);
  autoBackup_->RunPendingCheck();
  return outcome;
}

void frmMain::OpenWorkfileAt(const QString& path) {
  if (!SettleUnsavedChanges(program_, SaveFirst())) return;
  LoadWorkfile(program_, path, [this] { return AskPasswordEntry(program_, this); });
  autoBackup_->RunPendingCheck();
}

void frmMain::AnswerSecondStart(const std::optional<QString>& workfile) {
  program_.platform.BringToFront(*this);
  if (workfile) OpenWhenNoDialogIsOpen(*workfile);
}

void frmMain::FollowSecondStarts(InstanceServer& server) {
  connect(&server, &InstanceServer::requested, this,
          [this](const InstanceRequest& request) { AnswerSecondStart(request.workfile); });
}

void frmMain::OpenWhenNoDialogIsOpen(const QString& workfile) {
  // While a dialog of this program is open, the file waits until it closes;
  // the window is not raised again over that dialog.
  if (QApplication::activeModalWidget()) {
    QTimer::singleShot(kWaitForDialogMs, this, [this, workfile] { OpenWhenNoDialogIsOpen(workfile); });
    return;
  }
  OpenWorkfileAt(workfile);
}

void frmMain::OfferLastRunBackup() {
  const LastRunMark last = MarkRunStarted(program_.dataFolder);
  if (!last.left) return;
  const QString backup = BackupPath(program_.dataFolder);
  const RunBackup found = InspectRunBackup(backup, last.started);
  if (found == RunBackup::None || found == RunBackup::Empty) return;
  if (found == RunBackup::Unreadable) {
    // Kept under its dated name, where the user can look at it.
    const std::optional<QString> kept = PreserveLastRunBackup(program_.dataFolder);
    const QString place = kept && !kept->isEmpty() ? QDir::toNativeSeparators(*kept) : backup;
    program_.MessageBox(Text(3106) + QLatin1Char('\r') + place, MsgButtons::OkOnly + MsgIcon::Exclamation);
    return;
  }
  const bool protectedBackup = found == RunBackup::Protected;
  if (program_.MessageBox(Text(protectedBackup ? 3105 : 3104), MsgButtons::YesNo + MsgIcon::Question) !=
      Answer::Yes) {
    PreserveLastRunBackup(program_.dataFolder);
    return;
  }
  // A protected backup asks for its password as its workfile does.
  if (LoadWorkfile(program_, backup, [this] { return AskPasswordEntry(program_, this); }) !=
      FileOutcome::Done) {
    PreserveLastRunBackup(program_.dataFolder);
    return;
  }
  // Untitled and changed, so Save asks for a name and Exit offers to save;
  // its password stays, so it is saved protected.
  Session& s = program_.session;
  s.sWorkfile.clear();
  s.bChanged = true;
  program_.ShowWorkfileName();
}

}  // namespace quillane
