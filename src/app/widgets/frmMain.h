#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/widgets/MainShortcuts.h"
#include "app/widgets/SessionWiring.h"
#include "core/Commands.h"
#include "core/Session.h"
#include "core/SessionDocument.h"
#include "session/UnsavedChanges.h"
#include "session/Workfile.h"
#include "ui/HelpContexts.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace quillane {

class AutoBackup;
class CommandStrip;
class frmIdeas;
class InstanceServer;
class TerminationSignals;
class ProgressPanel;
class StatusBarView;
struct MainParts;

// The program's main window: the progress report at the top, the logo, the
// menu bar of toggle buttons with its frames of commands, and the status bar.
// It works on the run's parts and hands each command the parts it uses.
class frmMain : public QMainWindow, public HelpTopicOwner {
  Q_OBJECT

 public:
  explicit frmMain(MainParts& parts);
  ~frmMain() override;

  // Start-up: constants, settings, captions, command states, placement.
  void Form_Load();
  // Opens the workfile the program was started with or handed by a second
  // start, after the unsaved-changes question, as Open does.
  void OpenWorkfileAt(const QString& path);
  // A second start asked for this window: it comes to the front, and opens
  // the workfile when one was given.
  void AnswerSecondStart(const std::optional<QString>& workfile);
  // Answers every request a second start sends to `server`.
  void FollowSecondStarts(InstanceServer& server);

  // Once the window is shown: when the last run ended without Exit and left
  // a backup with content, offers to open it as an untitled, changed session.
  void OfferLastRunBackup();
  // Keeps the logo and the menu area centred and the busy bar in place.
  void Form_Resize();

  void chkMenu_Click(int index);
  // A key of MainShortcuts, with the same rules and questions as its button.
  void PressShortcut(const MainShortcut& shortcut);
  void cmdButton_Click(Command command);
  // Leaving the program: the exit question, the unsaved-changes question,
  // the settings, the end. True when the program ends.
  bool ExitRoutine();

  void SetMainCaptions();
  void SetMainToolTips();

  // The topic of the open menu frame, or of the window itself.
  int HelpTopic() const override;

  // The desktop session ends (logout, shutdown). With interaction allowed,
  // a changed session asks whether to save it first, as Exit does; false
  // cancels the logout (Cancel, or a save that wrote nothing). Without it,
  // a changed session goes into the backup at once. The close that follows
  // then ends the program without a question, unless something was typed
  // since.
  bool CommitDataForDesktopEnd(bool interactionAllowed);
  // SIGTERM or SIGHUP: a changed session goes into the backup, then the
  // program ends at once.
  void EndOnSignal();
  // Answers the termination signals and the desktop's session manager.
  void FollowTheDesktop(TerminationSignals& endings);

  // How the program ends; tests replace it to watch the end happen.
  std::function<void()> endProgram;
  // How it ends at a signal, leaving the event loop and every open dialog
  // at once; tests replace it.
  std::function<void()> endAtOnce;

  QPushButton* menuButton(int index) const { return chkMenu_.at(static_cast<std::size_t>(index)); }
  QGroupBox* frame(int index) const { return frames_.at(static_cast<std::size_t>(index)); }
  QPushButton* commandButton(Command command) const {
    return cmdButton_.at(static_cast<std::size_t>(IndexOf(command)));
  }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // The desktop turned dark or light while the program runs: the logo follows.
  void changeEvent(QEvent* event) override;

 private:
  void BuildLayout();
  void FillRecentMenu(QMenu& menu);
  void OpenRecentWorkfile(const QString& path);
  QWidget* BuildCommandArea(QWidget* parent);
  void ShowCommandState(Commands::Kind kind, int index);
  void ShowAllCommandStates();
  void HideAllFrames();

  // Commands.
  void RunCommand(Command command);
  FileOutcome SaveCommand(SaveMode mode);
  // The folder of the workfile opened or saved last.
  QString LastWorkfileFolder() const;
  // The Save command, as the unsaved-changes question runs it before the
  // session is replaced.
  SaveCommandFn SaveFirst();
  // The password dialog, as opening a protected workfile asks for it.
  AskPasswordFn PasswordPrompt();
  void ToggleHelpAtStartup();
  void OpenWhenNoDialogIsOpen(const QString& workfile);
  // The unsaved-changes question before the program ends: true when it may.
  bool SettleChangesBeforeTheEnd();
  // Settings written, the run marked as ended, the end.
  void EndProperly();
  void CheckAndEvaluate();
  // The ideas dialog, loaded when a command first touches it.
  frmIdeas& IdeasForm();
  // Shows the ideas dialog in `mode`; it is unloaded when it closes.
  void OpenIdeas(int mode);
  // Lets the user pick ideas for MindStepping or Clustering, then opens it.
  void PickThenStep(int mode);

  MainParts& parts_;
  ProgressPanel* panProgressReport_ = nullptr;
  QWidget* picQuillaneLogoBG_ = nullptr;
  QLabel* imgQuillaneLogo_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  CommandStrip* picCmdFraBG_ = nullptr;
  QWidget* picCmdBG_ = nullptr;
  StatusBarView* winStatusBar_ = nullptr;
  std::array<QPushButton*, Menu::kCount> chkMenu_{};
  std::array<QGroupBox*, Menu::kFrameCount> frames_{};
  std::array<QPushButton*, kCommandCount> cmdButton_{};
  QTimer* tmrAutoBackup_ = nullptr;
  std::unique_ptr<AutoBackup> autoBackup_;
  std::unique_ptr<frmIdeas> ideas_;
  // What the end of the desktop session found: the content then, and
  // whether the user settled it (saved or let go) or it went into the backup.
  struct DesktopEnd {
    SessionContent content;
    bool settled = false;
  };
  std::optional<DesktopEnd> desktopEnd_;
  // What the window shows of the session as it changes.
  WindowShows shows_;
  QPushButton* cmdRecent_ = nullptr;
  bool repaintCheckQueued_ = false;  // a repaint's backup check waits to run
};

}  // namespace quillane
