// How a run of the program ends: the Exit routine, the end of the desktop
// session, and a termination signal. Only Exit and a logout the user
// answered count as a proper end; any other keeps the mark of a running
// program, so the next start offers the backup.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdlib>

#include "app/MainParts.h"
#include "app/widgets/frmMain.h"
#include "platform/Platform.h"
#include "platform/qt/TerminationSignals.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/LastRunBackup.h"
#include "session/UnsavedChanges.h"
#include "settings/Settings.h"
#include "ui/HelpContexts.h"

namespace quillane {

namespace {

// How soon a close waiting for file work tries again.
constexpr int kCloseRetryMs = 100;

}  // namespace

bool frmMain::ExitRoutine() {
  const QString question = Text(500) + QLatin1Char(' ') + parts_.constants.sProduct + QLatin1Char('?');
  if (parts_.prompter.Ask(question, MsgButtons::YesNo + MsgIcon::Question + MsgDefault::Second) ==
      Answer::No) {
    return false;
  }
  if (!SettleChangesBeforeTheEnd()) return false;
  EndProperly();
  return true;
}

bool frmMain::SettleChangesBeforeTheEnd() {
  if (!parts_.document.isModified()) return true;
  switch (AskToSaveChanges(parts_.prompter)) {
    case Answer::Yes:
      SetHelpContexts();
      // Only a written workfile lets the program end.
      return SaveCommand(SaveMode::kSave) == FileOutcome::Done;
    case Answer::No: return true;
    default: return false;
  }
}

void frmMain::EndProperly() {
  WriteSettings(parts_.settingsPath, parts_.settings);
  MarkRunEnded(parts_.dataFolder);
  endProgram();
}

bool frmMain::CommitDataForDesktopEnd(bool interactionAllowed) {
  desktopEnd_.reset();
  if (interactionAllowed) {
    if (!SettleChangesBeforeTheEnd()) return false;
    desktopEnd_ = DesktopEnd{parts_.document.content(), true};
  } else {
    autoBackup_->WriteBeforeTheEnd();
    desktopEnd_ = DesktopEnd{parts_.document.content(), false};
  }
  return true;
}

void frmMain::EndOnSignal() {
  autoBackup_->WriteBeforeTheEnd();
  endAtOnce();
}

void frmMain::FollowTheDesktop(TerminationSignals& endings) {
  connect(&endings, &TerminationSignals::received, this, [this] { EndOnSignal(); });
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!CommitDataForDesktopEnd(manager.allowsInteraction())) manager.cancel();
    manager.release();
  });
}

void frmMain::closeEvent(QCloseEvent* event) {
  event->ignore();
  // The close box while a file procedure makes a key (the window paints on
  // meanwhile): closing waits until it has ended, so no question of Exit
  // comes in the middle of it.
  if (parts_.fileWork > 0) {
    QTimer::singleShot(kCloseRetryMs, this, &QWidget::close);
    return;
  }
  // The desktop closes the window once the session ends: what was answered
  // for it holds, as long as nothing was typed since.
  if (desktopEnd_ && parts_.document.content() == desktopEnd_->content) {
    if (desktopEnd_->settled) {
      EndProperly();
    } else {
      WriteSettings(parts_.settingsPath, parts_.settings);
      endProgram();
    }
    return;
  }
  ExitRoutine();
}

}  // namespace quillane
