#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTime>
#include <QUrl>

#include "platform/helprequest/HelpRequest.h"
#include "platform/helprequest/RuntimeFolder.h"
#include "platform/qt/PdfName.h"
#include "platform/qt/UserAccount.h"

namespace quillane {

QtPlatform::QtPlatform() : random_(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay())) {
  monotonic_.start();
}

QtPlatform::~QtPlatform() = default;

namespace {

struct ButtonSpec {
  QMessageBox::StandardButton button;
  Answer answer;
};

QList<ButtonSpec> ButtonsFor(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel: return {{QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}};
    case MsgButtons::YesNoCancel:
      return {{QMessageBox::Yes, Answer::Yes},
              {QMessageBox::No, Answer::No},
              {QMessageBox::Cancel, Answer::Cancel}};
    case MsgButtons::YesNo: return {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}};
    case MsgButtons::OkOnly: break;
  }
  return {{QMessageBox::Ok, Answer::Ok}};
}

QMessageBox::Icon IconFor(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

Answer QtPlatform::MessageBox(QWidget* parent, const QString& text, MsgStyle style, const QString& title) {
  // A message names files and holds what the user typed: it is shown as it
  // is, never read as markup, and a plain label breaks its lines at "\n".
  QString shown = text;
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(IconFor(style.icon), title, QString(), QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  box.setText(shown);
  const QList<ButtonSpec> buttons = ButtonsFor(style.buttons);
  for (const ButtonSpec& b : buttons) box.addButton(b.button);
  const int defaultIndex = style.defaultButton == MsgDefault::Third    ? 2
                           : style.defaultButton == MsgDefault::Second ? 1
                                                                       : 0;
  box.setDefaultButton(buttons.at(std::min<qsizetype>(defaultIndex, buttons.size() - 1)).button);
  // Escape answers Cancel where there is one, No where there is none.
  if (buttons.size() > 1) box.setEscapeButton(buttons.back().button);
  QApplication::setOverrideCursor(Qt::ArrowCursor);  // a question never shows the hourglass
  box.exec();
  QApplication::restoreOverrideCursor();
  QAbstractButton* clicked = box.clickedButton();
  for (const ButtonSpec& b : buttons) {
    if (clicked == box.button(b.button)) return b.answer;
  }
  return buttons.size() > 1 ? buttons.back().answer : Answer::Ok;
}

std::optional<QString> QtPlatform::FileDialog(QWidget* parent, FileDialogMode mode, const QString& filter,
                                              const QString& defaultExt, const QString& initialName) {
  QFileDialog dialog(parent);
#ifdef Q_OS_WIN
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(defaultExt);
#else
  // Programs carry no extension here: a program filter lists every file.
  if (defaultExt.compare(QLatin1String("exe"), Qt::CaseInsensitive) == 0) {
    dialog.setNameFilter(filter.left(filter.indexOf(QLatin1Char('('))) + QStringLiteral("(*)"));
  } else {
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(defaultExt);
    // With several kinds of file, a name typed without an extension takes
    // that of the kind picked last.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& picked) {
      const qsizetype star = picked.indexOf(QStringLiteral("(*."));
      if (star >= 0)
        dialog.setDefaultSuffix(
            picked.mid(star + 3).section(QRegularExpression(QStringLiteral("[ )]")), 0, 0));
    });
  }
#endif
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setAcceptMode(mode == FileDialogMode::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(mode == FileDialogMode::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // A proposal is a file to select, a folder to start in (ending in "/"),
  // or a pattern, which may name the folder to start in.
  if (!initialName.isEmpty()) {
    const QFileInfo info(initialName);
    if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
    if (!initialName.contains(QLatin1Char('*')) && !info.fileName().isEmpty())
      dialog.selectFile(info.fileName());
  }
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int result = dialog.exec();
  QApplication::restoreOverrideCursor();
  if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

int QtPlatform::ShowModal(QDialog& dialog) {
  return dialog.exec();
}

double QtPlatform::SecondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QDate QtPlatform::Today() {
  return QDate::currentDate();
}

qint64 QtPlatform::MonotonicMs() {
  return monotonic_.elapsed();
}

double QtPlatform::Random() {
  return random_.generateDouble();
}

void QtPlatform::SetBusyPointer(bool busy) {
  if (busy) {
    ++busyDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    --busyDepth_;
    QApplication::restoreOverrideCursor();
  }
}

void QtPlatform::PlaySound(const QString& path) {
  if (!QFileInfo::exists(path)) return;
  if (!sound_) sound_ = std::make_unique<QSoundEffect>();
  sound_->setSource(QUrl::fromLocalFile(path));
  sound_->play();
}

PrintTarget QtPlatform::OpenPrinter(const QString& jobName) {
  PrintTarget target;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(jobName);
  if (QPrinterInfo::defaultPrinter().isNull()) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    QDir().mkpath(folder);
    target.pdfPath = UnusedPdfPath(folder, jobName);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(target.pdfPath);
  }
  target.device = std::move(printer);
  return target;
}

bool QtPlatform::StartProgram(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

bool QtPlatform::OpenWithDesktop(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtPlatform::ShowHelp(const QString& helpFolder, int contextNumber, const ScreenAreas& keepClear) {
  // The viewer is a program of its own, so it takes input while one of our
  // modal dialogs is open. An open viewer shows the topic; else one starts.
  const HelpRequest request{helpFolder, contextNumber, keepClear};
  if (SendHelpRequest(HelpServerName(), request)) return;
  if (QProcess::startDetached(HelpViewerProgram(), HelpViewerArguments(request))) return;
  // Without the viewer, the desktop's browser shows the page.
  const QDir dir(helpFolder);
  QString page = dir.filePath(QString::number(contextNumber) + QStringLiteral(".html"));
  if (contextNumber == 0 || !QFileInfo::exists(page)) page = dir.filePath(QStringLiteral("index.html"));
  QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

SingleInstance QtPlatform::AcquireSingleInstance() {
  const std::optional<QString> folder = PrivateRuntimeFolder();
  if (!folder) return SingleInstance::Unavailable;
  lock_ = std::make_unique<QLockFile>(QDir(*folder).filePath(QStringLiteral("quillane.lock")));
  // A lock left by a killed run names a process that no longer exists; Qt
  // then removes it and the lock is taken over.
  return lock_->tryLock(0) ? SingleInstance::Acquired : SingleInstance::Running;
}

void QtPlatform::BringToFront(QWidget& window) {
  if (window.isMinimized()) window.showNormal();
  window.raise();
  window.activateWindow();
}

QRect QtPlatform::ScreenGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

UserName QtPlatform::CurrentUser() {
  return CurrentUserAccount();
}

}  // namespace quillane
