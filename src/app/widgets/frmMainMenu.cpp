// The menu bar and the dispatch of every command of the main window.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/MainParts.h"
#include "app/widgets/MainCommandTable.h"
#include "app/widgets/frmAbout.h"
#include "app/widgets/frmMain.h"
#include "app/widgets/frmStart.h"
#include "criteria/widgets/frmCriteria.h"
#include "evaluation/widgets/EvaluationPages.h"
#include "ideas/IdeaImport.h"
#include "ideas/IdeaSelection.h"
#include "ideas/widgets/frmIdeas.h"
#include "ideas/widgets/frmView.h"
#include "platform/Platform.h"
#include "platform/qt/InstanceChannel.h"
#include "reports/ConciseReport.h"
#include "reports/ExportCommand.h"
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

void frmMain::PressShortcut(const MainShortcut& shortcut) {
  QPushButton* menu = menuButton(shortcut.menu);
  if (!menu->isEnabled()) return;
  if (!shortcut.command) {
    menu->click();
    return;
  }
  // As the mouse would: the menu opens, then its command is pressed, if the
  // command can be pressed now.
  QGroupBox* frame = this->frame(shortcut.menu);
  QPushButton* command = commandButton(*shortcut.command);
  if (!command->isEnabled() || !command->isVisibleTo(frame)) return;
  if (!frame->isVisibleTo(this)) menu->click();
  command->click();
}

void frmMain::cmdButton_Click(Command command) {
  SetHelpContexts();
  RunCommand(command);
}

void frmMain::RunCommand(Command command) {
  const SessionContent& s = parts_.document.content();
  switch (command) {
    case Command::NewSession:
      if (NewSession(parts_.document, parts_.prompter, SaveFirst())) parts_.states.ResetForNewSession();
      break;
    case Command::OpenSession:
      // Typed work is never replaced unasked.
      if (SettleUnsavedChanges(parts_.document, parts_.prompter, SaveFirst())) {
        OpenWorkfile(parts_.document, parts_.states.evaluation, parts_.prompter, parts_.platform,
                     parts_.status, parts_.constants, parts_.fileWork, PasswordPrompt(),
                     LastWorkfileFolder());
        autoBackup_->RunPendingCheck();
      }
      break;
    case Command::Goal: ShowGoalDialog(parts_.document, parts_.help(), this); break;
    case Command::Save: SaveCommand(SaveMode::kSave); break;
    case Command::SaveAs: SaveCommand(SaveMode::kSaveAs); break;
    case Command::CriteriaSet:
      if (s.sGoal.isEmpty()) {
        parts_.prompter.Ask(Text(506), MsgButtons::OkOnly);
        break;
      }
      ShowCriteriaDialog(parts_.document, parts_.prompter, parts_.events, parts_.states.rating, parts_.help(),
                         this, kCriteriaSetMode);
      break;
    case Command::CriteriaRate:
      ShowCriteriaDialog(parts_.document, parts_.prompter, parts_.events, parts_.states.rating, parts_.help(),
                         this, kCriteriaRateMode);
      break;
    case Command::CriteriaView:
      ShowCriteriaDialog(parts_.document, parts_.prompter, parts_.events, parts_.states.rating, parts_.help(),
                         this, kCriteriaViewMode);
      break;
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
    case Command::ViewEditIdeas:
      ShowIdeaList(parts_.document, parts_.prompter, parts_.events, parts_.help(), this);
      break;
    case Command::ViewResults:
      IdeasForm().ShowPage(frmIdeas::kEvaluationView);
      IdeasForm().fraIdeasMeter()->hide();
      OpenIdeas(frmIdeas::kEvaluationView);
      break;
    case Command::Evaluate: CheckAndEvaluate(); break;
    case Command::HelpAtStartup: ToggleHelpAtStartup(); break;
    case Command::PrintConcise:
      if (parts_.prompter.Ask(Text(532), MsgButtons::YesNo + MsgIcon::Exclamation) == Answer::Yes) {
        PrintConciseReport(parts_.document.content(), parts_.settings.nLanguage, parts_.states.evaluation,
                           parts_.platform, parts_.status, parts_.events);
      }
      break;
    case Command::MakeReport:
      WriteReport(parts_.document.content(), parts_.settings.nLanguage, parts_.states.evaluation,
                  parts_.states.outputs, parts_.prompter, parts_.platform, parts_.status, parts_.constants,
                  parts_.events, parts_.fileWork);
      autoBackup_->RunPendingCheck();
      break;
    case Command::Export:
      ExportSession(parts_.document.content(), parts_.states.evaluation, parts_.document.workfile(),
                    parts_.states.outputs, parts_.prompter, parts_.platform, parts_.fileWork);
      autoBackup_->RunPendingCheck();
      break;
    case Command::ImportIdeas: ImportIdeas(parts_.document, parts_.prompter, LastWorkfileFolder()); break;
    case Command::ViewReport:
      ViewReport(parts_.states.outputs, parts_.settings.sTextEditor, parts_.platform, parts_.prompter);
      break;
    case Command::MakePlan:
      WritePlan(parts_.document.content(), parts_.settings.nLanguage, parts_.states.evaluation,
                parts_.states.outputs, parts_.prompter, parts_.platform, parts_.status, parts_.constants,
                parts_.events, parts_.fileWork);
      autoBackup_->RunPendingCheck();
      break;
    case Command::ElaboratePlan:
      ElaboratePlan(parts_.states.outputs, parts_.settings.sTextEditor, parts_.platform, parts_.prompter);
      break;
    case Command::SetLanguage:
      ShowLanguageDialog(parts_.help(), parts_.settings, parts_.document, parts_.settingsPath, this);
      break;
    case Command::Password:
      SetPasswordCommand(parts_.help(), parts_.document, parts_.constants.kdfLimits, parts_.fileWork, this);
      break;
    case Command::Preferences:
      ShowPreferencesDialog(parts_.help(), parts_.settings, parts_.autoBackupTimer, *autoBackup_,
                            parts_.prompter, this);
      break;
    case Command::HowToUse: ShowHelpContents(parts_.help()); break;
    case Command::About:
      ShowAboutBox(parts_.help(), parts_.constants.sVersion, this, imgQuillaneLogo_->pixmap());
      break;
    default: break;  // 4, 5 and 7 name no command
  }
}

void frmMain::CheckAndEvaluate() {
  const SessionContent& s = parts_.document.content();
  if (s.sngWeight[1] == 0) {
    parts_.prompter.Ask(Text(507), MsgButtons::OkOnly);
    return;
  }
  if (s.nIdeas < 2) {
    parts_.prompter.Ask(Text(511), MsgButtons::OkOnly);
    return;
  }
  frmIdeas& ideas = IdeasForm();
  ideas.ShowPage(frmIdeas::kEvaluation);
  ideas.fraIdeasMeter()->hide();
  const std::optional<QStringList> picked =
      PickIdeas(parts_.document, parts_.prompter, parts_.events, parts_.help(), this, IdeaPick::Evaluation);
  if (!picked) {
    // Unloaded as a whole, so the next page it opens shows its meter again.
    ideas_.reset();
    return;
  }
  StorePick(parts_.states.evaluation.sEvalIdeas, parts_.states.evaluation.nEvalIdeas, *picked);
  OpenIdeas(frmIdeas::kEvaluation);
}

frmIdeas& frmMain::IdeasForm() {
  if (!ideas_) {
    RunStates& s = parts_.states;
    const IdeasRunStates states{s.suggestion, s.pairing, s.mindStep, s.cluster, s.iching};
    const IdeasSuppliedPages supplied{EvaluationPageMaker(parts_.document, s.evaluation, parts_.events),
                                      ResultsPageMaker(s.evaluation)};
    ideas_ = std::make_unique<frmIdeas>(parts_.document, parts_.prompter, parts_.events, parts_.constants,
                                        parts_.help(), states, supplied, this);
  }
  return *ideas_;
}

void frmMain::OpenIdeas(int mode) {
  ShowIdeasDialog(IdeasForm(), mode);
  ideas_.reset();
}

void frmMain::PickThenStep(int mode) {
  const bool mindStepping = mode == frmIdeas::kMindStepping;
  IdeasForm().ShowPage(mode);
  const std::optional<QStringList> picked =
      PickIdeas(parts_.document, parts_.prompter, parts_.events, parts_.help(), this,
                mindStepping ? IdeaPick::MindStepping : IdeaPick::Clustering);
  if (!picked) {
    ideas_.reset();
    return;
  }
  if (mindStepping) {
    MindStepState& mindStep = parts_.states.mindStep;
    StorePick(mindStep.sMindStep, mindStep.nMindStep, *picked);
    mindStep.nMindStepPos = 1;
  } else {
    StorePick(parts_.states.cluster.sCluster, parts_.states.cluster.nCluster, *picked);
  }
  OpenIdeas(mode);
}

void frmMain::ToggleHelpAtStartup() {
  Settings& s = parts_.settings;
  s.bHelpAtStartup = !s.bHelpAtStartup;
  commandButton(Command::HelpAtStartup)->setText(Text(s.bHelpAtStartup ? 171 : 172));
}

SaveCommandFn frmMain::SaveFirst() {
  return [this] { return SaveCommand(SaveMode::kSave); };
}

AskPasswordFn frmMain::PasswordPrompt() {
  return [this](Protection protection) { return AskPasswordEntry(parts_.help(), this, protection); };
}

QString frmMain::LastWorkfileFolder() const {
  if (parts_.recentWorkfiles.isEmpty()) return QString();
  return QFileInfo(parts_.recentWorkfiles.constFirst()).absolutePath();
}

FileOutcome frmMain::SaveCommand(SaveMode mode) {
  const FileOutcome outcome =
      SaveWorkfile(parts_.document, parts_.states.evaluation, parts_.prompter, parts_.platform, parts_.status,
                   parts_.constants, parts_.fileWork, mode, LastWorkfileFolder());
  autoBackup_->RunPendingCheck();
  return outcome;
}

void frmMain::OpenWorkfileAt(const QString& path) {
  if (!SettleUnsavedChanges(parts_.document, parts_.prompter, SaveFirst())) return;
  LoadWorkfile(parts_.document, parts_.states.evaluation, parts_.prompter, parts_.platform, parts_.status,
               parts_.constants, parts_.fileWork, path, PasswordPrompt());
  autoBackup_->RunPendingCheck();
}

void frmMain::AnswerSecondStart(const std::optional<QString>& workfile) {
  parts_.platform.BringToFront(*this);
  if (workfile) OpenWhenNoDialogIsOpen(*workfile);
}

void frmMain::FollowSecondStarts(InstanceServer& server) {
  connect(&server, &InstanceServer::requested, this,
          [this](const InstanceRequest& request) { AnswerSecondStart(request.workfile); });
}

void frmMain::OpenWhenNoDialogIsOpen(const QString& workfile) {
  // While a dialog of this program is open, the file waits until it closes;
  // the window is not raised again over that dialog. So it does while a
  // file procedure works out a key.
  if (QApplication::activeModalWidget() || parts_.fileWork > 0) {
    QTimer::singleShot(kWaitForDialogMs, this, [this, workfile] { OpenWhenNoDialogIsOpen(workfile); });
    return;
  }
  OpenWorkfileAt(workfile);
}

void frmMain::OfferLastRunBackup() {
  const LastRunMark last = MarkRunStarted(parts_.dataFolder);
  if (!last.left) return;
  const QString backup = BackupPath(parts_.dataFolder);
  const RunBackup found = InspectRunBackup(backup, last.started);
  if (found == RunBackup::None || found == RunBackup::Empty) return;
  if (found == RunBackup::Unreadable) {
    // Kept under its dated name, where the user can look at it.
    const std::optional<QString> kept = PreserveLastRunBackup(parts_.dataFolder);
    const QString place = kept && !kept->isEmpty() ? QDir::toNativeSeparators(*kept) : backup;
    parts_.prompter.Ask(Text(3106) + QLatin1Char('\r') + place, MsgButtons::OkOnly + MsgIcon::Exclamation);
    return;
  }
  const bool protectedBackup = found == RunBackup::Protected;
  if (parts_.prompter.Ask(Text(protectedBackup ? 3105 : 3104), MsgButtons::YesNo + MsgIcon::Question) !=
      Answer::Yes) {
    PreserveLastRunBackup(parts_.dataFolder);
    return;
  }
  // A protected backup asks for its password as its workfile does.
  if (LoadWorkfile(parts_.document, parts_.states.evaluation, parts_.prompter, parts_.platform, parts_.status,
                   parts_.constants, parts_.fileWork, backup, PasswordPrompt()) != FileOutcome::Done) {
    PreserveLastRunBackup(parts_.dataFolder);
    return;
  }
  // Untitled and changed, so Save asks for a name and Exit offers to save;
  // its password stays, so it is saved protected.
  parts_.document.MarkUntitledChanges();
}

}  // namespace quillane
