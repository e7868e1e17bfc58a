#pragma once

#include <QDate>
#include <QDialog>
#include <QRandomGenerator>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "core/Session.h"
#include "platform/Platform.h"

namespace quillane::test {

// The platform of the tests: every answer is scripted beforehand and every
// call is recorded, so a test can drive a flow that opens message boxes and
// dialogs and then check what the user would have seen.
class ScriptedPlatform : public Platform {
 public:
  struct Message {
    QString text;
    int flags = 0;  // the style as the original design numbers it
    QString title;
  };
  struct FileDialogCall {
    FileDialogMode mode;
    QString filter;
    QString defaultExt;
    QString initialName;
  };
  using DialogScript = std::function<void(QDialog&)>;

  // Scripting.
  void AnswerNext(Answer answer) { answers.push_back(answer); }
  void ChooseFile(std::optional<QString> path) { files.push_back(std::move(path)); }
  // The next modal dialog is shown (not modally), then `script` drives it;
  // the script must close it.
  void OnNextDialog(DialogScript script) { dialogScripts.push_back(std::move(script)); }
  // The random number that draws scramble key `key` (1 to 9).
  static double RandomForKey(int key) { return (key - 1) / 9.0 + 0.01; }

  // Runs while each message box and file dialog is open, as the user takes
  // their time: a test lets the clock run and the window repaint in it.
  std::function<void()> whileOpen;

  std::deque<Answer> answers;
  std::deque<std::optional<QString>> files;
  std::deque<DialogScript> dialogScripts;
  std::deque<double> randoms;
  QRandomGenerator unscripted{20261206};
  double secondsSinceMidnight = 36000.0;
  QDate today = QDate(2026, 12, 3);
  qint64 monotonicMs = 0;
  QRect screen = QRect(0, 0, 1280, 800);
  UserName user = {QStringLiteral("Ada Lovelace"), QStringLiteral("ada")};
  QString printFolder;        // where printed pages go; a temporary folder by default
  bool programsStart = true;  // whether StartProgram finds the program
  bool desktopOpens = true;   // whether the desktop has an application for a file

  // Records.
  std::vector<Message> messages;
  std::vector<FileDialogCall> fileDialogs;
  QStringList dialogsShown;  // object names of the dialogs shown modally
  int busyDepth = 0;
  int busyCalls = 0;
  QStringList soundsPlayed;
  QStringList printJobs;
  std::vector<std::pair<QString, QStringList>> programsStarted;
  QStringList desktopOpened;
  std::vector<int> helpTopics;
  ScreenAreas helpKeepClear;  // what the last help request asked to leave free
  int broughtToFront = 0;

  Answer MessageBox(QWidget* parent, const QString& text, MsgStyle style, const QString& title) override;
  std::optional<QString> FileDialog(QWidget* parent, FileDialogMode mode, const QString& filter,
                                    const QString& defaultExt, const QString& initialName) override;
  int ShowModal(QDialog& dialog) override;
  double SecondsSinceMidnight() override { return secondsSinceMidnight; }
  QDate Today() override { return today; }
  qint64 MonotonicMs() override { return monotonicMs; }
  double Random() override;
  void SetBusyPointer(bool busy) override;
  void PlaySound(const QString& path) override { soundsPlayed << path; }
  PrintTarget OpenPrinter(const QString& jobName) override;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  bool OpenWithDesktop(const QString& path) override;
  void ShowHelp(const QString& helpFolder, int contextNumber, const ScreenAreas& keepClear) override;
  SingleInstance AcquireSingleInstance() override { return SingleInstance::Acquired; }
  void BringToFront(QWidget&) override { ++broughtToFront; }
  QRect ScreenGeometry() override { return screen; }
  UserName CurrentUser() override { return user; }
};

}  // namespace quillane::test
