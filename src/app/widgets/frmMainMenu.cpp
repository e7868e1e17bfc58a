// The menu bar and the dispatch of every command of the main window.
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/widgets/MainCommandTable.h"
#include "app/widgets/frmAbout.h"
#include "app/widgets/frmMain.h"
#include "app/widgets/frmStart.h"
#include "core/Program.h"
#include "criteria/widgets/frmCriteria.h"
#include "ideas/widgets/frmIdeas.h"
#include "ideas/widgets/frmView.h"
#include "platform/Platform.h"
#include "reports/ConciseReport.h"
#include "reports/PlanFile.h"
#include "reports/SessionReport.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
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
  // Releasing the Exit button in code raises no second click here, so
  // nothing is left to swallow the next press.
  program_.session.bMenuBusy = false;
}

void frmMain::cmdButton_Click(int index) {
  SetHelpContexts();
  RunCommand(index);
}

void frmMain::RunCommand(int index) {
  Session& s = program_.session;
  switch (index) {
    case Cmd::kNewSession: NewSession(program_, [this](int mode) { SaveCommand(mode); }); break;
    case Cmd::kOpenSession:
      OpenWorkfile(program_, [this] { AskPasswordEntry(program_, this); });
      autoBackup_->RunPendingCheck();
      break;
    case Cmd::kGoal: ShowGoalDialog(program_, this); break;
    case Cmd::kSave: SaveCommand(SaveMode::kSave); break;
    case Cmd::kSaveAs: SaveCommand(SaveMode::kSaveAs); break;
    case Cmd::kCriteriaSet:
      if (s.sGoal.isEmpty()) {
        program_.MessageBox(Text(506), MsgFlags::kOkOnly);
        break;
      }
      ShowCriteriaDialog(program_, this, kCriteriaSetMode);
      break;
    case Cmd::kCriteriaRate: ShowCriteriaDialog(program_, this, kCriteriaRateMode); break;
    case Cmd::kCriteriaView: ShowCriteriaDialog(program_, this, kCriteriaViewMode); break;
    case Cmd::kTAssets:
    case Cmd::kIAssets: {
      const int mode = index == Cmd::kTAssets ? frmIdeas::kTAssets : frmIdeas::kIAssets;
      IdeasForm().frame(mode)->show();
      IdeasForm().fraIdeasMeter()->hide();
      OpenIdeas(mode);
      break;
    }
    case Cmd::kAutoSuggest:
    case Cmd::kPairTI:
    case Cmd::kPairTT:
    case Cmd::kPairII: {
      const int mode = frmIdeas::kAutoSuggest + (index - Cmd::kAutoSuggest);
      IdeasForm().frame(mode)->show();
      OpenIdeas(mode);
      break;
    }
    case Cmd::kMindStepping:
    case Cmd::kClustering:
      PickThenStep(index == Cmd::kMindStepping ? frmIdeas::kMindStepping : frmIdeas::kClustering);
      break;
    case Cmd::kIChing:
      IdeasForm().frame(frmIdeas::kIChing)->show();
      OpenIdeas(frmIdeas::kIChing);
      break;
    case Cmd::kViewEditIdeas: ShowIdeaList(program_, this); break;
    case Cmd::kViewResults:
      IdeasForm().frame(frmIdeas::kEvaluationView)->show();
      IdeasForm().fraIdeasMeter()->hide();
      OpenIdeas(frmIdeas::kEvaluationView);
      break;
    case Cmd::kEvaluate: CheckAndEvaluate(); break;
    case Cmd::kHelpAtStartup: ToggleHelpAtStartup(); break;
    case Cmd::kPrintConcise:
      if (program_.MessageBox(Text(532), MsgFlags::kYesNo + MsgFlags::kExclamation) == kAnswerYes) {
        PrintConciseReport(program_);
      }
      break;
    case Cmd::kMakeReport: WriteReport(program_); break;
    case Cmd::kViewReport: ViewReport(program_); break;
    case Cmd::kMakePlan: WritePlan(program_); break;
    case Cmd::kElaboratePlan: ElaboratePlan(program_); break;
    case Cmd::kSetLanguage: ShowLanguageDialog(program_, this); break;
    case Cmd::kPassword: SetPasswordCommand(program_, this); break;
    case Cmd::kPreferences: ShowPreferencesDialog(program_, this); break;
    case Cmd::kHowToUse: ShowHelpContents(program_); break;
    case Cmd::kAbout: ShowAboutBox(program_, this, imgQuillaneLogo_->pixmap()); break;
    default: break;  // 4, 5 and 7 name no command
  }
}

void frmMain::CheckAndEvaluate() {
  Session& s = program_.session;
  if (s.sngWeight[1] == 0) {
    program_.MessageBox(Text(507), MsgFlags::kOkOnly);
    return;
  }
  if (s.nIdeas < 2) {
    program_.MessageBox(Text(511), MsgFlags::kOkOnly);
    return;
  }
  frmIdeas& ideas = IdeasForm();
  ideas.frame(frmIdeas::kEvaluation)->show();
  ideas.fraIdeasMeter()->hide();
  s.bEvalPick = true;
  ShowIdeaList(program_, this);
  if (s.bCancel) {
    s.bCancel = false;
    ideas.frame(frmIdeas::kEvaluation)->hide();
    return;
  }
  OpenIdeas(frmIdeas::kEvaluation);
}

frmIdeas& frmMain::IdeasForm() {
  if (!ideas_) ideas_ = std::make_unique<frmIdeas>(program_, this);
  return *ideas_;
}

void frmMain::OpenIdeas(int mode) {
  ShowIdeasDialog(program_, IdeasForm(), mode);
  ideas_.reset();
}

void frmMain::PickThenStep(int mode) {
  Session& s = program_.session;
  IdeasForm().frame(mode)->show();
  if (mode == frmIdeas::kMindStepping) {
    s.bMindStepPick = true;
  } else {
    s.bClusterPick = true;
  }
  ShowIdeaList(program_, this);
  if (s.bCancel) {
    s.bCancel = false;
    IdeasForm().frame(mode)->hide();
    return;
  }
  OpenIdeas(mode);
}

void frmMain::ToggleHelpAtStartup() {
  Session& s = program_.session;
  s.bHelpAtStartup = !s.bHelpAtStartup;
  cmdButton_[Cmd::kHelpAtStartup]->setText(Text(s.bHelpAtStartup ? 171 : 172));
}

void frmMain::SaveCommand(int mode) {
  SaveWorkfile(program_, mode);
  autoBackup_->RunPendingCheck();
}

void frmMain::ExitRoutine() {
  Session& s = program_.session;
  if (s.bMenuBusy) {
    s.bMenuBusy = false;
    return;
  }
  const QString question = Text(500) + QLatin1Char(' ') + s.sProduct + QLatin1Char('?');
  if (program_.MessageBox(question, MsgFlags::kYesNo + MsgFlags::kQuestion + MsgFlags::kDefaultButton2) ==
      kAnswerNo) {
    s.bMenuBusy = true;
    return;
  }
  if (s.bChanged) {
    switch (AskToSaveChanges(program_)) {
      case kAnswerYes:
        s.bCancel = false;
        cmdButton_Click(Cmd::kSave);
        if (s.bCancel) {
          s.bMenuBusy = true;
          return;
        }
        break;
      case kAnswerNo: break;
      default: s.bMenuBusy = true; return;
    }
  }
  WriteSettings(program_);
  endProgram();
}

void frmMain::closeEvent(QCloseEvent* event) {
  event->ignore();
  program_.session.bMenuBusy = false;
  ExitRoutine();
  program_.session.bMenuBusy = false;
}

}  // namespace quillane
