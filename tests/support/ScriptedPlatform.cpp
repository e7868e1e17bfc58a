#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPrinter>

namespace quillane::test {

Answer ScriptedPlatform::MessageBox(QWidget*, const QString& text, MsgStyle style, const QString& title) {
  messages.push_back({text, style.code(), title});
  if (whileOpen) whileOpen();
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected message box: " << text.toStdString();
    return Answer::Ok;
  }
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<QString> ScriptedPlatform::FileDialog(QWidget*, FileDialogMode mode, const QString& filter,
                                                    const QString& defaultExt, const QString& initialName) {
  fileDialogs.push_back({mode, filter, defaultExt, initialName});
  if (whileOpen) whileOpen();
  if (files.empty()) {
    ADD_FAILURE() << "unexpected file dialog";
    return std::nullopt;
  }
  // The chosen path as a plain string first: GCC's optimiser otherwise
  // warns that a copied optional may be read uninitialised.
  const bool chosen = files.front().has_value();
  const QString path = chosen ? *files.front() : QString();
  files.pop_front();
  if (!chosen) return std::nullopt;
  return path;
}

int ScriptedPlatform::ShowModal(QDialog& dialog) {
  dialogsShown << dialog.objectName();
  if (dialogScripts.empty()) {
    ADD_FAILURE() << "unexpected dialog: " << dialog.objectName().toStdString();
    return QDialog::Rejected;
  }
  DialogScript script = std::move(dialogScripts.front());
  dialogScripts.pop_front();
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  script(dialog);
  QApplication::processEvents();
  if (dialog.isVisible()) {
    ADD_FAILURE() << "the script left dialog " << dialog.objectName().toStdString() << " open";
    dialog.reject();
  }
  return dialog.result();
}

double ScriptedPlatform::Random() {
  // Unscripted draws follow a fixed sequence, so no-repeat rules always find a new value.
  if (randoms.empty()) return unscripted.generateDouble();
  const double r = randoms.front();
  randoms.pop_front();
  return r;
}

void ScriptedPlatform::SetBusyPointer(bool busy) {
  ++busyCalls;
  busyDepth += busy ? 1 : -1;
  EXPECT_GE(busyDepth, 0) << "the pointer was restored more often than set";
}

PrintTarget ScriptedPlatform::OpenPrinter(const QString& jobName) {
  printJobs << jobName;
  PrintTarget target;
  const QString folder = printFolder.isEmpty() ? QDir::tempPath() : printFolder;
  auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  target.pdfPath = QDir(folder).filePath(jobName + QStringLiteral(".pdf"));
  printer->setOutputFileName(target.pdfPath);
  target.device = std::move(printer);
  return target;
}

bool ScriptedPlatform::StartProgram(const QString& program, const QStringList& arguments) {
  programsStarted.emplace_back(program, arguments);
  return programsStart;
}

bool ScriptedPlatform::OpenWithDesktop(const QString& path) {
  if (!desktopOpens) return false;
  desktopOpened << path;
  return true;
}

void ScriptedPlatform::ShowHelp(const QString&, int contextNumber, const ScreenAreas& keepClear) {
  helpKeepClear = keepClear;
  helpTopics.push_back(contextNumber);
}

}  // namespace quillane::test
