#include "app/widgets/SessionWiring.h"

#include <QFileInfo>

#include "app/MainParts.h"
#include "ideas/IdeaList.h"
#include "session/RecentWorkfiles.h"

namespace quillane {

namespace {

void ShowWorkfile(MainParts& p) {
  // A busy message ends with the name.
  if (!p.status.busyShown()) ShowWorkfileName(p.status, p.document.workfile(), p.constants);
}

// The workfile just opened or saved comes first among the recent ones.
void RememberWorkfile(MainParts& p) {
  if (p.document.workfile().isEmpty()) return;
  const QFileInfo file(p.document.workfile());
  // A backup brought back is no workfile of the user's.
  if (file.absolutePath() == QFileInfo(p.dataFolder).absoluteFilePath()) return;
  const QString path = file.absoluteFilePath();
  p.recentWorkfiles = WithRecentWorkfile(p.recentWorkfiles, path);
  WriteRecentWorkfiles(p.dataFolder, p.recentWorkfiles);
}

void ShowTitle(const MainParts& p, const WindowShows& shows) {
  const QString workfile = p.document.workfile();
  shows.title(workfile.isEmpty() ? p.constants.sUntitled : QFileInfo(workfile).fileName(),
              p.document.isModified());
}

void FollowCriteria(MainParts& p) {
  const SessionContent& s = p.document.content();
  if (!s.sCriteria[1].isEmpty()) p.progress.MarkProgressStep(ProgressStep::CriteriaSet);
  const bool canRate = s.nCriteria >= 2;
  p.commands.EnableButton(Command::CriteriaRate, canRate);
  if (!canRate) p.commands.EnableButton(Command::CriteriaView, false);
}

void FollowAssets(MainParts& p, AssetKind kind) {
  const SessionContent& s = p.document.content();
  const bool tangible = kind == AssetKind::Tangible;
  if (!(tangible ? s.sTAssets : s.sIAssets)[1].isEmpty())
    p.progress.MarkProgressStep(tangible ? ProgressStep::TangiblesEntered : ProgressStep::IntangiblesEntered);
  if (tangible) {
    p.commands.EnableButton(Command::PairTT, s.nTAssets >= 2);
  } else {
    p.commands.EnableButton(Command::PairII, s.nIAssets >= 2);
  }
  p.commands.EnableButton(Command::PairTI, s.nTAssets >= 2 && s.nIAssets >= 2);
}

void Encourage(MainParts& p, Encouragement kind, const WindowShows& shown) {
  const int now = p.document.content().nIdeas;
  const int count =
      kind == Encouragement::ForNewIdea ? MilestoneReached(p.document.ideasBeforeAdding(), now) : now;
  const QString text = EncourageAt(count, kind, p.platform, p.constants);
  if (!text.isEmpty()) shown.encourage(text);
}

void FollowIdeas(MainParts& p, SessionDocument::IdeasChange change, const WindowShows& shown) {
  const SessionContent& s = p.document.content();
  switch (change) {
    case SessionDocument::IdeasChange::Added:
      Encourage(p, Encouragement::ForNewIdea, shown);
      for (Command c :
           {Command::MindStepping, Command::Clustering, Command::MakeReport, Command::PrintConcise}) {
        p.commands.EnableButton(c, true);
      }
      p.commands.EnableMenu(Menu::kReports, true);
      break;
    case SessionDocument::IdeasChange::Replaced: Encourage(p, Encouragement::ForEditedIdea, shown); break;
    case SessionDocument::IdeasChange::Deleted:
      p.commands.EnableButton(Command::MindStepping, s.nIdeas != 0);
      p.commands.EnableButton(Command::Clustering, s.nIdeas != 0);
      break;
    case SessionDocument::IdeasChange::Loaded: break;  // the whole session follows
  }
}

// A finished evaluation opens the plans and the results.
void OpenPlansAndResults(Commands& commands) {
  commands.EnableMenu(Menu::kPlans, true);
  commands.EnableFrame(Menu::kPlans, true);
  commands.EnableButton(Command::MakePlan, true);
  commands.EnableButton(Command::ViewResults, true);
}

void FollowLoad(MainParts& p) {
  SetLoadedSessionCommands(p.commands, p.document.content());
  ShowWorkfile(p);
  p.progress.MarkProgressStep(ProgressStep::SessionLoaded);
  // The workfile keeps a ranked evaluation: it stands as after its OK.
  if (p.states.evaluation.bRanked) {
    OpenPlansAndResults(p.commands);
    p.progress.MarkProgressStep(ProgressStep::Evaluation);
  } else {
    // Nor results nor a plan from the session before.
    p.commands.EnableButton(Command::MakePlan, false);
    p.commands.EnableButton(Command::ViewResults, false);
  }
}

void FollowEvents(MainParts& p) {
  RunEvents& e = p.events;
  Progress& progress = p.progress;
  Commands& commands = p.commands;
  QObject::connect(&e, &RunEvents::criteriaRated, &progress, [&] {
    progress.MarkProgressStep(ProgressStep::CriteriaRated);
    commands.EnableButton(Command::CriteriaView, true);
  });
  QObject::connect(&e, &RunEvents::techniqueUsed, &progress, &Progress::MarkProgressStep);
  QObject::connect(&e, &RunEvents::ideasRemoved, &progress,
                   [&] { progress.MarkProgressStep(ProgressStep::IdeasRemoved); });
  QObject::connect(&e, &RunEvents::evaluationRated, &progress,
                   [&] { progress.MarkProgressStep(ProgressStep::Evaluation); });
  QObject::connect(&e, &RunEvents::evaluationConfirmed, &commands, [&] { OpenPlansAndResults(commands); });
  QObject::connect(&e, &RunEvents::reportSaved, &progress, [&] {
    progress.MarkProgressStep(ProgressStep::ReportSaved);
    commands.EnableButton(Command::ViewReport, true);
  });
  QObject::connect(&e, &RunEvents::planSaved, &progress, [&] {
    progress.MarkProgressStep(ProgressStep::PlanSaved);
    commands.EnableButton(Command::ElaboratePlan, true);
  });
  QObject::connect(&e, &RunEvents::summaryPrinted, &progress,
                   [&] { progress.MarkProgressStep(ProgressStep::ReportPrinted); });
}

}  // namespace

void ShowTheStart(MainParts& p, const WindowShows& shows) {
  SetInitialCommands(p.commands);
  ShowWorkfile(p);
  ShowTitle(p, shows);
}

void FollowTheSession(MainParts& p, WindowShows shown) {
  SessionDocument& d = p.document;
  const auto showTitle = [&p, shown] { ShowTitle(p, shown); };
  QObject::connect(&d, &SessionDocument::workfileChanged, &p.status, showTitle);
  QObject::connect(&d, &SessionDocument::modifiedChanged, &p.status, showTitle);
  QObject::connect(&d, &SessionDocument::workfileChanged, &p.status, [&p] { ShowWorkfile(p); });
  QObject::connect(&p.status, &StatusLine::noticeEnded, &p.status, [&p] { ShowWorkfile(p); });
  QObject::connect(&d, &SessionDocument::sessionReset, &p.commands, [&p] {
    SetNewSessionCommands(p.commands);
    p.progress.MarkProgressStep(ProgressStep::ClearAll);
    ShowWorkfile(p);
  });
  QObject::connect(&d, &SessionDocument::sessionLoaded, &p.commands, [&p] {
    FollowLoad(p);
    RememberWorkfile(p);
  });
  QObject::connect(&d, &SessionDocument::sessionSaved, &p.progress, [&p] {
    RememberWorkfile(p);
    ShowWorkfile(p);
    p.progress.MarkProgressStep(ProgressStep::SessionSaved);
  });
  QObject::connect(&d, &SessionDocument::goalChanged, &p.progress, [&p] {
    const bool hasGoal = !p.document.content().sGoal.isEmpty();
    if (hasGoal) p.progress.MarkProgressStep(ProgressStep::GoalSet);
    p.commands.EnableButton(Command::Export, hasGoal);
    // Export needs only a goal, so the menu that holds it opens with one.
    if (hasGoal) p.commands.EnableMenu(Menu::kReports, true);
  });
  QObject::connect(&d, &SessionDocument::passwordSet, &p.progress,
                   [&p] { p.progress.MarkProgressStep(ProgressStep::PasswordSet); });
  QObject::connect(&d, &SessionDocument::criteriaChanged, &p.commands, [&p] { FollowCriteria(p); });
  QObject::connect(&d, &SessionDocument::assetsChanged, &p.commands,
                   [&p](AssetKind kind) { FollowAssets(p, kind); });
  QObject::connect(&d, &SessionDocument::ideasChanged, &p.commands,
                   [&p, shown = std::move(shown)](SessionDocument::IdeasChange change) {
                     shown.redrawMeter();
                     FollowIdeas(p, change, shown);
                   });
  FollowEvents(p);
}

}  // namespace quillane
