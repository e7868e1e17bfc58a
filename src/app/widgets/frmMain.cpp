#include "app/widgets/frmMain.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/MainParts.h"
#include "app/widgets/Artwork.h"
#include "app/widgets/CommandArea.h"
#include "app/widgets/MainCommandTable.h"
#include "app/widgets/ProgressPanel.h"
#include "app/widgets/SessionWiring.h"
#include "app/widgets/StatusBarView.h"
#include "ideas/IdeaList.h"
#include "ideas/widgets/frmIdeas.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/RecentWorkfiles.h"
#include "session/Workfile.h"
#include "settings/Settings.h"
#include "ui/HelpContexts.h"
#include "ui/HelpKey.h"
#include "ui/WindowFrame.h"

namespace quillane {

namespace {
constexpr int kCmdFraHeight = 193;    // 2895 twips
constexpr int kCmdBGMinWidth = 585;   // 8775 twips
constexpr int kMenuButtonWidth = 64;  // at least 870 twips
constexpr int kCommandHeight = 30;
}  // namespace

frmMain::frmMain(MainParts& parts) : parts_(parts) {
  setObjectName(QStringLiteral("frmMain"));
  setProperty("quillaneForm", true);
  endProgram = [] { QCoreApplication::exit(0); };
  endAtOnce = [] { std::_Exit(0); };
  BuildLayout();
  // A workfile dropped on the window opens, as one given on the command line.
  setAcceptDrops(true);
  for (const MainShortcut& shortcut : MainShortcuts()) {
    auto* keys = new QShortcut(shortcut.keys, this);
    keys->setContext(Qt::WindowShortcut);
    connect(keys, &QShortcut::activated, this, [this, &shortcut] { PressShortcut(shortcut); });
  }
  connect(&parts_.commands, &Commands::changed, this, &frmMain::ShowCommandState);
  parts_.prompter.SetParent(this);
  InstallHelpKey(parts_.help(), this);
  WindowShows shown;
  // As desktop editors do: the file, a mark while it has unsaved changes,
  // then the program, joined as the desktop joins a dialog's title.
  shown.title = [this](const QString& name, bool modified) {
    setWindowTitle(QStringLiteral("%1[*] \u2014 %2").arg(name, parts_.constants.sTitle));
    setWindowModified(modified);
  };
  shown.redrawMeter = [this] {
    if (ideas_) ideas_->UpdateIdeaMeter();
  };
  shown.encourage = [this](const QString& text) {
    if (ideas_ && ideas_->isVisible()) {
      ideas_->ShowEncouragement(text);
    } else {
      parts_.status.ShowNotice(text);
    }
  };
  shows_ = shown;
  FollowTheSession(parts_, std::move(shown));

  autoBackup_ = std::make_unique<AutoBackup>(parts_.document, parts_.states.evaluation, parts_.settings,
                                             parts_.constants, parts_.platform, parts_.status,
                                             parts_.autoBackupTimer, parts_.fileWork, parts_.dataFolder);
  tmrAutoBackup_ = new QTimer(this);
  tmrAutoBackup_->setObjectName(QStringLiteral("tmrAutoBackup"));
  tmrAutoBackup_->setInterval(500);
  connect(tmrAutoBackup_, &QTimer::timeout, this, [this] { autoBackup_->Tick(); });
  connect(&parts_.autoBackupTimer, &TimerSwitch::enabledChanged, this, [this](bool on) {
    if (on) {
      tmrAutoBackup_->start();
    } else {
      tmrAutoBackup_->stop();
    }
  });
}

frmMain::~frmMain() {
  tmrAutoBackup_->stop();
  parts_.prompter.SetParent(nullptr);
}

void frmMain::BuildLayout() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("frmMainClient"));
  setCentralWidget(central);

  panProgressReport_ = new ProgressPanel(parts_.progress, central);

  picQuillaneLogoBG_ = new QWidget(central);
  picQuillaneLogoBG_->setObjectName(QStringLiteral("picQuillaneLogoBG"));
  imgQuillaneLogo_ = new QLabel(picQuillaneLogoBG_);
  imgQuillaneLogo_->setObjectName(QStringLiteral("imgQuillaneLogo"));
  imgQuillaneLogo_->setPixmap(LogoPicture(devicePixelRatioF(), palette()));
  imgQuillaneLogo_->setFixedSize(300, 60);
  imgQuillaneLogo_->setAccessibleName(ShownText(3001));
  lblVersion_ = new QLabel(picQuillaneLogoBG_);
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblVersion_->setAlignment(Qt::AlignHCenter);
  // The version line is as high as the font needs.
  const int versionHeight = std::max(20, lblVersion_->fontMetrics().height() + 4);
  picQuillaneLogoBG_->setFixedSize(320, 76 + versionHeight);
  imgQuillaneLogo_->move(10, 4);
  lblVersion_->setGeometry(0, 70, 320, versionHeight);

  picCmdBG_ = BuildCommandArea(nullptr);
  picCmdBG_->setMinimumWidth(kCmdBGMinWidth);
  picCmdFraBG_ = new CommandStrip(picCmdBG_, frames_,
                                  picCmdBG_->findChild<QWidget*>(QStringLiteral("chkMenuBar")), central);
  picCmdFraBG_->setObjectName(QStringLiteral("picCmdFraBG"));
  connect(picCmdFraBG_, &CommandStrip::areaChanged, this, &frmMain::Form_Resize);

  winStatusBar_ = new StatusBarView(parts_.status, parts_.platform, this);
  setStatusBar(winStatusBar_);
}

QWidget* frmMain::BuildCommandArea(QWidget* parent) {
  auto* area = new QWidget(parent);
  area->setObjectName(QStringLiteral("picCmdBG"));
  auto* layout = new QGridLayout(area);
  layout->setContentsMargins(0, 4, 0, 4);
  layout->setRowStretch(0, 1);

  for (const MenuSpec& menu : kMenus) {
    if (!menu.frameName) continue;
    auto* frame = new QGroupBox(area);
    frame->setObjectName(QLatin1String(menu.frameName));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setSpacing(6);
    frames_[static_cast<std::size_t>(menu.index)] = frame;
    layout->addWidget(frame, 0, 0, Qt::AlignHCenter | Qt::AlignBottom);
    frame->hide();
  }
  for (int i = 0; i < kCommandButtonCount; ++i) {
    const CommandButtonSpec& command = kCommandButtons[i];
    QGroupBox* frame = frames_[static_cast<std::size_t>(command.frame)];
    auto* button = new QPushButton(frame);
    button->setObjectName(QStringLiteral("cmdButton(%1)").arg(IndexOf(command.command)));
    button->setAutoDefault(false);
    button->setMinimumSize(132, kCommandHeight);
    static_cast<QGridLayout*>(frame->layout())->addWidget(button, command.row, command.column);
    cmdButton_[static_cast<std::size_t>(IndexOf(command.command))] = button;
    connect(button, &QPushButton::clicked, this, [this, c = command.command] { cmdButton_Click(c); });
  }
  // The workfiles opened or saved last, one step away beside Open Session.
  QGroupBox* start = frames_[Menu::kStart];
  cmdRecent_ = new QPushButton(start);
  cmdRecent_->setObjectName(QStringLiteral("cmdRecent"));
  cmdRecent_->setAutoDefault(false);
  cmdRecent_->setMinimumSize(132, kCommandHeight);
  auto* recentMenu = new QMenu(cmdRecent_);
  recentMenu->setObjectName(QStringLiteral("mnuRecent"));
  cmdRecent_->setMenu(recentMenu);
  connect(recentMenu, &QMenu::aboutToShow, this, [this, recentMenu] { FillRecentMenu(*recentMenu); });
  auto* startGrid = static_cast<QGridLayout*>(start->layout());
  startGrid->addWidget(cmdRecent_, 0, startGrid->columnCount());

  auto* bar = new QWidget(area);
  bar->setObjectName(QStringLiteral("chkMenuBar"));
  bar->setAccessibleName(ShownText(3009));
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  barLayout->setSpacing(0);
  for (const MenuSpec& menu : kMenus) {
    auto* button = new QPushButton(bar);
    button->setObjectName(QStringLiteral("chkMenu(%1)").arg(menu.index));
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setMinimumSize(kMenuButtonWidth, kCommandHeight);
    barLayout->addWidget(button);
    chkMenu_[static_cast<std::size_t>(menu.index)] = button;
    connect(button, &QPushButton::clicked, this, [this, index = menu.index] { chkMenu_Click(index); });
    // A screen reader's action on a checkable button toggles it without a
    // click. Once that action has returned (Exit asks a question), the
    // menu follows the button, as a click would have made it.
    connect(
        button, &QPushButton::toggled, this,
        [this, button, index = menu.index] {
          const bool open =
              index < Menu::kFrameCount && frames_[static_cast<std::size_t>(index)]->isVisibleTo(this);
          if (button->isChecked() != open) chkMenu_Click(index);
        },
        Qt::QueuedConnection);
  }
  layout->addWidget(bar, 1, 0, Qt::AlignHCenter);
  return area;
}

void frmMain::SetMainCaptions() {
  const Constants& s = parts_.constants;
  QString version = Text(100);
  version = version.left(1).toUpper() + version.mid(1).toLower();
  lblVersion_->setText(version + QLatin1Char(' ') + s.sVersion);
  for (const MenuSpec& menu : kMenus) {
    chkMenu_[static_cast<std::size_t>(menu.index)]->setText(Text(menu.caption));
    if (menu.frameName) frames_[static_cast<std::size_t>(menu.index)]->setTitle(Text(menu.caption));
  }
  for (int i = 0; i < kCommandButtonCount; ++i) {
    const CommandButtonSpec& command = kCommandButtons[i];
    commandButton(command.command)->setText(Text(command.caption));
  }
  commandButton(Command::HelpAtStartup)->setText(Text(parts_.settings.bHelpAtStartup ? 171 : 172));
  cmdRecent_->setText(Text(3127));
  panProgressReport_->SetLabels();
}

void frmMain::SetMainToolTips() {
  const Constants& s = parts_.constants;
  for (const MenuSpec& menu : kMenus) {
    chkMenu_[static_cast<std::size_t>(menu.index)]->setToolTip(Text(menu.toolTip));
  }
  for (int i = 0; i < kCommandButtonCount; ++i) {
    const CommandButtonSpec& command = kCommandButtons[i];
    QString tip = Text(command.toolTip);
    if (command.command == Command::HowToUse) tip += s.sTitle;
    if (command.command == Command::About) tip += s.sProduct;
    commandButton(command.command)->setToolTip(tip);
  }
  cmdRecent_->setToolTip(Text(3128));
  // Each key is named in the tool tip of what it presses.
  for (const MainShortcut& shortcut : MainShortcuts()) {
    QPushButton* button = shortcut.command ? commandButton(*shortcut.command) : menuButton(shortcut.menu);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(button->toolTip(), shortcut.keys.toString(QKeySequence::NativeText)));
  }
}

void frmMain::Form_Load() {
  BusyPointer busy(parts_.platform);
  QGuiApplication::setApplicationDisplayName(parts_.constants.sTitle);
  const UserName user = parts_.platform.CurrentUser();
  parts_.constants.sUserFirstName = FirstNameOf(user.fullName, user.loginName);
  const FileRead settings = ReadSettings(parts_.settingsPath, parts_.settings, parts_.autoBackupTimer);
  parts_.recentWorkfiles = ReadRecentWorkfiles(parts_.dataFolder);
  SetMainCaptions();
  ShowTheStart(parts_, shows_);
  ShowAllCommandStates();
  if (settings == FileRead::Refused)
    parts_.status.ShowNotice(Text(3107) + QLatin1Char(' ') + parts_.settingsPath);
  autoBackup_->StartInterval();
  Form_Resize();
  SetHelpContexts();
  SetMainToolTips();
  // The window and its frame fill the available screen; the help waits until
  // the window stands there, so it can leave the commands free.
  const bool helpAtStartup = parts_.settings.bHelpAtStartup;
  auto help = [this, helpAtStartup] {
    if (helpAtStartup) ShowHelpContents(parts_.help());
  };
  if (windowState() == Qt::WindowNoState) {
    PlaceFrameWhenFramed(*this, parts_.platform.ScreenGeometry(), help);
  } else {
    WhenFramed(*this, help);
  }
}

void frmMain::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  // A backup that is due is also written when the window repaints: right
  // after the paint, since the backup's busy message repaints the window.
  if (parts_.autoBackupTimer.enabled() && !repaintCheckQueued_) {
    repaintCheckQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          repaintCheckQueued_ = false;
          autoBackup_->OnRepaint();
        },
        Qt::QueuedConnection);
  }
}

void frmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

void frmMain::Form_Resize() {
  QWidget* client = centralWidget();
  const int width = client->width();
  const int height = client->height();
  // The panel is as high as its labels need at the present font, in as
  // many columns as the width holds whole.
  panProgressReport_->FitColumns(width);
  const int panelHeight = std::max(ProgressPanel::kHeight, panProgressReport_->sizeHint().height());
  panProgressReport_->setGeometry(0, 0, width, panelHeight);
  // The command area grows with the font, and scrolls where the window is
  // narrower than it.
  const int cmdHeight = picCmdFraBG_->FitArea(width, kCmdFraHeight);
  picCmdFraBG_->setGeometry(0, std::max(panelHeight, height - cmdHeight), width, cmdHeight);
  const int middleTop = panelHeight;
  const int middleHeight = picCmdFraBG_->y() - middleTop;
  picQuillaneLogoBG_->move(width / 2 - picQuillaneLogoBG_->width() / 2,
                           middleTop + std::max(0, (middleHeight - picQuillaneLogoBG_->height()) / 2));
  // Where the window is too low for it, the logo gives way to the commands.
  picQuillaneLogoBG_->setVisible(middleHeight >= picQuillaneLogoBG_->height());
  winStatusBar_->PlaceProgressBar();
}

void frmMain::ShowCommandState(Commands::Kind kind, int index) {
  const Commands::State state = parts_.commands.state(kind, index);
  QWidget* widget = nullptr;
  switch (kind) {
    case Commands::Kind::Frame: widget = frames_.at(static_cast<std::size_t>(index)); break;
    case Commands::Kind::Menu: widget = chkMenu_.at(static_cast<std::size_t>(index)); break;
    case Commands::Kind::Button: widget = cmdButton_.at(static_cast<std::size_t>(index)); break;
  }
  if (!widget) return;
  widget->setEnabled(state.enabled);
  // A frame's visibility belongs to the menu; a button's to the command state.
  if (kind == Commands::Kind::Button) widget->setVisible(state.visible);
}

void frmMain::ShowAllCommandStates() {
  for (int i = 0; i < Menu::kFrameCount; ++i) ShowCommandState(Commands::Kind::Frame, i);
  for (int i = 0; i < Menu::kCount; ++i) ShowCommandState(Commands::Kind::Menu, i);
  for (int i = 0; i < kCommandCount; ++i) ShowCommandState(Commands::Kind::Button, i);
}

namespace {

// The one workfile a drag carries, if it carries just that.
std::optional<QString> DroppedWorkfile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
  const QUrl url = data->urls().constFirst();
  if (!url.isLocalFile()) return std::nullopt;
  const QString path = url.toLocalFile();
  if (!path.endsWith(QStringLiteral(".") + Text(108), Qt::CaseInsensitive)) return std::nullopt;
  return QDir::toNativeSeparators(path);
}

}  // namespace

void frmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange && imgQuillaneLogo_)
    imgQuillaneLogo_->setPixmap(LogoPicture(devicePixelRatioF(), palette()));
  QMainWindow::changeEvent(event);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedWorkfile(event->mimeData())) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
  const std::optional<QString> workfile = DroppedWorkfile(event->mimeData());
  if (!workfile) return;
  event->acceptProposedAction();
  // The drag ends first; the questions of opening come after it.
  QTimer::singleShot(0, this, [this, path = *workfile] { OpenWhenNoDialogIsOpen(path); });
}

void frmMain::FillRecentMenu(QMenu& menu) {
  menu.clear();
  for (const QString& path : parts_.recentWorkfiles) {
    // A file name may hold "&", which a menu would take for a shortcut mark.
    QAction* entry = menu.addAction(QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
    connect(entry, &QAction::triggered, this, [this, path] { OpenRecentWorkfile(path); });
  }
  if (parts_.recentWorkfiles.isEmpty()) menu.addAction(Text(3129))->setEnabled(false);
}

void frmMain::OpenRecentWorkfile(const QString& path) {
  if (!QFileInfo::exists(path)) {
    // Said once, then no longer offered.
    TellWorkfileNotRead(parts_.prompter, path, WorkfileUnread::Missing);
    parts_.recentWorkfiles.removeAll(path);
    WriteRecentWorkfiles(parts_.dataFolder, parts_.recentWorkfiles);
    return;
  }
  OpenWorkfileAt(path);
}

}  // namespace quillane
