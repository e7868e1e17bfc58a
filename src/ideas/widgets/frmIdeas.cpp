#include "ideas/widgets/frmIdeas.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <optional>

#include "core/Constants.h"
#include "core/Prompter.h"
#include "core/RunEvents.h"
#include "core/SessionDocument.h"
#include "ideas/IdeaList.h"
#include "ideas/widgets/AssetPage.h"
#include "ideas/widgets/IChingPage.h"
#include "ideas/widgets/IdeaMeter.h"
#include "ideas/widgets/StepPages.h"
#include "ideas/widgets/SuggestPages.h"
#include "ideas/widgets/frmView.h"
#include "platform/Platform.h"
#include "resources/Texts.h"
#include "ui/HelpContexts.h"
#include "ui/HelpTopics.h"
#include "ui/TextEntry.h"

namespace quillane {

namespace {

struct PageSpec {
  int mode;
  const char* frame;
  int caption;
  int entryBox;  // index of its `txtAddIdeas`, -1 for none
  int helpTopic;
  std::optional<ProgressStep> progressStep;  // recorded on OK
};

constexpr PageSpec kPages[] = {
    // The asset pages' steps follow from the lists they store.
    {frmIdeas::kTAssets, "fraIdeasTAssets", 2210, -1, topic::kTangibles, {}},
    {frmIdeas::kIAssets, "fraIdeasIAssets", 2211, -1, topic::kIntangibles, {}},
    {frmIdeas::kAutoSuggest, "fraIdeasWarmingUp", 2212, 0, topic::kAutoSuggest, ProgressStep::AutoSuggest},
    {frmIdeas::kPairTI, "fraIdeasPairTI", 2213, 1, topic::kPairTI, ProgressStep::TIPaired},
    {frmIdeas::kPairTT, "fraIdeasPairTT", 2214, 2, topic::kPairTT, ProgressStep::TTPaired},
    {frmIdeas::kPairII, "fraIdeasPairII", 2215, 3, topic::kPairII, ProgressStep::IIPaired},
    {frmIdeas::kIChing, "fraIdeasIChing", 2216, 4, topic::kIChing, ProgressStep::IChing},
    {frmIdeas::kMindStepping, "fraIdeasMindstepping", 2217, 5, topic::kMindStepping,
     ProgressStep::MindStepping},
    {frmIdeas::kClustering, "fraIdeasCluster", 2218, 6, topic::kClustering, ProgressStep::Clustering},
    {frmIdeas::kEvaluation, "fraIdeasEvaluation", 2219, -1, topic::kEvaluation, ProgressStep::Evaluation},
    {frmIdeas::kEvaluationView, "fraIdeasEvaluationView", 2220, -1, topic::kEvaluationResults, {}},
};

// The page of `mode`; nothing before a page is shown.
const PageSpec* PageOf(int mode) {
  for (const PageSpec& page : kPages) {
    if (page.mode == mode) return &page;
  }
  return nullptr;
}

Pairing PairingOf(int mode) {
  switch (mode) {
    case frmIdeas::kPairTI: return Pairing::TangibleIntangible;
    case frmIdeas::kPairTT: return Pairing::TangibleTangible;
    default: return Pairing::IntangibleIntangible;
  }
}

}  // namespace

frmIdeas::frmIdeas(SessionDocument& document, Prompter& prompter, RunEvents& events,
                   const Constants& constants, const HelpBook& help, const IdeasRunStates& states,
                   const IdeasSuppliedPages& supplied, QWidget* parent)
    : FormDialog(help, parent, QStringLiteral("frmIdeas")),
      document_(document),
      prompter_(prompter),
      events_(events),
      constants_(constants),
      states_(states) {
  const CommonButtons common = AddCommonButtons(true);
  cmdOk_ = common.ok;
  cmdCancel_ = common.cancel;
  cmdHelp_ = common.help;

  auto* pages = new QGridLayout;
  for (const PageSpec& page : kPages) {
    QGroupBox* frame = BuildFrame(page.mode, page.frame);
    pages->addWidget(frame, 0, 0);
    QBoxLayout* entryRow = page.entryBox >= 0 ? AddEntryBox(page.mode, page.entryBox) : nullptr;
    auto* frameLayout = static_cast<QVBoxLayout*>(frame->layout());
    switch (page.mode) {
      case kTAssets: tangibles_ = std::make_unique<AssetPage>(prompter, frame, AssetKind::Tangible); break;
      case kIAssets:
        intangibles_ = std::make_unique<AssetPage>(prompter, frame, AssetKind::Intangible);
        break;
      case kAutoSuggest: suggest_ = std::make_unique<SuggestPage>(frame, entryRow); break;
      case kPairTI:
      case kPairTT:
      case kPairII:
        pairings_[static_cast<std::size_t>(page.mode - kPairTI)] =
            std::make_unique<PairingPage>(frame, entryRow, PairingOf(page.mode));
        break;
      case kIChing:
        iching_ = std::make_unique<IChingPage>(states_.iching, platform(), frame, entryRow);
        break;
      case kMindStepping: mindStepping_ = std::make_unique<MindSteppingPage>(frame, entryRow); break;
      case kClustering: cluster_ = std::make_unique<ClusterPage>(frame, entryRow); break;
      case kEvaluation: evaluation_ = supplied.evaluation(frame); break;
      case kEvaluationView: results_ = supplied.results(frame); break;
      default:
        if (entryRow) {
          frameLayout->addStretch();
          frameLayout->addLayout(entryRow);
        }
        break;
    }
  }
  cluster_->txtClusterUnif->installEventFilter(this);
  evaluation_->finished = [this] { cmdOk_Click(); };
  connect(suggest_->cmdIdeasWarmingUp, &QPushButton::clicked, this,
          [this] { suggest_->cmdIdeasWarmingUp_Click(states_.suggestion, platform(), txtAddIdeas(0)); });
  for (int mode : {kPairTI, kPairTT, kPairII}) {
    connect(pairing(mode).cmdNewPair, &QPushButton::clicked, this, [this, mode] {
      pairing(mode).cmdIdeasPair_Click(document_.content(), states_.pairing, platform(),
                                       txtAddIdeas(kPages[mode - 1].entryBox));
    });
  }
  connect(iching_->cmdIdeasIChing, &QPushButton::clicked, this, [this] {
    if (!iching_->cmdIdeasIChing_Click()) return;
    cmdOk_->setEnabled(true);  // the consultation is complete
    txtAddIdeas(4)->setFocus();
  });
  connect(mindStepping_->cmdIdeasMindstepping, &QPushButton::clicked, this,
          [this] { mindStepping_->cmdIdeasMindstepping_Click(states_.mindStep, txtAddIdeas(5)); });

  fraIdeasMeter_ = new QGroupBox(this);
  fraIdeasMeter_->setObjectName(QStringLiteral("fraIdeasMeter"));
  fraIdeasMeter_->setAlignment(Qt::AlignHCenter);
  panIdeasMeter_ = new IdeaMeter(fraIdeasMeter_);
  auto* meterLayout = new QVBoxLayout(fraIdeasMeter_);
  meterLayout->addWidget(panIdeasMeter_, 0, Qt::AlignHCenter);
  meterLayout->addStretch();

  // A milestone's encouragement shows beside the meter for a while. It takes
  // no focus and no key: the user types straight on.
  lblIdeasEncouragement_ = new QLabel(this);
  lblIdeasEncouragement_->setObjectName(QStringLiteral("lblIdeasEncouragement"));
  lblIdeasEncouragement_->setTextFormat(Qt::PlainText);
  lblIdeasEncouragement_->setWordWrap(true);
  lblIdeasEncouragement_->setFocusPolicy(Qt::NoFocus);
  lblIdeasEncouragement_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont bold = lblIdeasEncouragement_->font();
  bold.setBold(true);
  lblIdeasEncouragement_->setFont(bold);
  lblIdeasEncouragement_->setMinimumHeight(2 * lblIdeasEncouragement_->fontMetrics().lineSpacing());
  encouragementShown_.setSingleShot(true);
  encouragementShown_.setInterval(kEncouragementMs);
  connect(&encouragementShown_, &QTimer::timeout, lblIdeasEncouragement_, &QLabel::clear);

  auto* pagesAndWords = new QVBoxLayout;
  pagesAndWords->addLayout(pages, 1);
  pagesAndWords->addWidget(lblIdeasEncouragement_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(common.column);
  layout->addLayout(pagesAndWords, 1);
  layout->addWidget(fraIdeasMeter_);

  connect(cmdOk_, &QPushButton::clicked, this, &frmIdeas::cmdOk_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmIdeas::cmdCancel_Click);
}

frmIdeas::~frmIdeas() = default;

QGroupBox* frmIdeas::BuildFrame(int mode, const char* name) {
  auto* frame = new QGroupBox(this);
  frame->setObjectName(QLatin1String(name));
  frame->setMinimumWidth(480);
  new QVBoxLayout(frame);
  frame->hide();
  frames_[static_cast<std::size_t>(mode - 1)] = frame;
  return frame;
}

QBoxLayout* frmIdeas::AddEntryBox(int mode, int index) {
  QGroupBox* frame = this->frame(mode);
  auto* box = new QLineEdit(frame);
  box->setObjectName(QStringLiteral("txtAddIdeas(%1)").arg(index));
  LimitEntry(box, kMaxTextLength);
  TakePastedLines(box, [this, box](const QStringList& lines) {
    const int added = AddIdeas(document_, lines);
    box->setFocus();
    if (added < lines.size()) prompter_.Tell(PastedLinesRefusal(added, static_cast<int>(lines.size())));
  });
  box->installEventFilter(this);
  auto* view = new QPushButton(frame);
  view->setObjectName(QStringLiteral("cmdViewIdeas(%1)").arg(index));
  auto* row = new QHBoxLayout;
  row->addWidget(box, 1);
  row->addWidget(view);
  txtAddIdeas_[static_cast<std::size_t>(index)] = box;
  cmdViewIdeas_[static_cast<std::size_t>(index)] = view;
  connect(view, &QPushButton::clicked, this, &frmIdeas::cmdViewIdeas_Click);
  return row;
}

void frmIdeas::cmdViewIdeas_Click() {
  // The selection dialog over this one is no reason to leave the page.
  selectionShown_ = true;
  ShowIdeaList(document_, prompter_, events_, help(), this);
  selectionShown_ = false;
  // Ideas may have been added, changed or deleted there.
  UpdateIdeaMeter();
}

bool frmIdeas::Prepare(int mode) {
  const SessionContent& s = document_.content();
  switch (mode) {
    case kTAssets: tangibles_->Prepare(s); break;
    case kIAssets: intangibles_->Prepare(s); break;
    case kAutoSuggest:
      return suggest_->Prepare(document_, prompter_, constants_, platform(), states_.suggestion);
    case kPairTI:
    case kPairTT:
    case kPairII: pairing(mode).Prepare(s, states_.pairing, platform()); break;
    case kIChing:
      iching_->Prepare(s);
      cmdOk_->setEnabled(false);  // until the sixth line is cast
      break;
    case kMindStepping: mindStepping_->Prepare(s, states_.mindStep); break;
    case kClustering: cluster_->Prepare(s, states_.cluster); break;
    case kEvaluation:
      evaluation_->Prepare(s);
      cmdOk_->setEnabled(false);  // the page ends through its last Next or Cancel
      break;
    case kEvaluationView:
      results_->Prepare(s);
      cmdCancel_->hide();
      break;
    default: break;
  }
  return true;
}

void frmIdeas::SetIdeasTexts() {
  setWindowTitle(ShownText(214));
  cmdOk_->setText(Text(120));
  cmdCancel_->setText(Text(121));
  cmdHelp_->setText(Text(122));
  for (const PageSpec& page : kPages) frame(page.mode)->setTitle(Text(page.caption));
  for (QPushButton* view : cmdViewIdeas_) view->setText(Text(243));
  for (QLineEdit* box : txtAddIdeas_) box->setAccessibleName(ShownText(217));
  tangibles_->SetTexts();
  intangibles_->SetTexts();
  suggest_->SetTexts();
  for (int mode : {kPairTI, kPairTT, kPairII}) pairing(mode).SetTexts();
  iching_->SetTexts();
  mindStepping_->SetTexts(states_.mindStep);
  cluster_->SetTexts(states_.cluster);
  evaluation_->SetTexts();
  results_->SetTexts();
}

void frmIdeas::ShowEncouragement(const QString& text) {
  lblIdeasEncouragement_->setText(text);
  lblIdeasEncouragement_->setAccessibleName(text);
  encouragementShown_.start();
}

void frmIdeas::UpdateIdeaMeter() {
  const int count = document_.content().nIdeas;
  fraIdeasMeter_->setTitle(QString::number(count));
  panIdeasMeter_->Show(count);
}

bool frmIdeas::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* box = qobject_cast<QLineEdit*>(watched);
    const bool entryBox =
        box && std::find(txtAddIdeas_.begin(), txtAddIdeas_.end(), box) != txtAddIdeas_.end();
    if (watched == cluster_->txtClusterUnif && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      txtAddIdeas(6)->setFocus();  // the common idea only prompts; it is never read
      return true;
    }
    if (entryBox && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      if (box->text().size() >= kMinIdeaLength) {
        AddIdea(document_, box->text());
        box->clear();
        box->setFocus();
      }
      return true;
    }
  }
  return FormDialog::eventFilter(watched, event);
}

void frmIdeas::ShowPage(int mode) {
  Q_ASSERT_X(PageOf(mode), "frmIdeas::ShowPage", "unknown mode");
  mode_ = mode;
  frame(mode)->show();
  // An asset list is the user's typed work; a technique's ideas are kept
  // as they are added.
  AskBeforeDiscarding(mode == kTAssets || mode == kIAssets);
}

int frmIdeas::HelpTopic() const {
  const PageSpec* page = PageOf(mode_);
  return page ? page->helpTopic : topic::kIdeasMenu;
}

QWidget* frmIdeas::FirstControl() const {
  const PageSpec* page = PageOf(mode_);
  if (!page) return nullptr;
  switch (mode_) {
    case kTAssets: return tangibles_->textBox();
    case kIAssets: return intangibles_->textBox();
    case kIChing: return iching_->cmdIdeasIChing;  // the lines are cast before ideas come
    case kClustering: return cluster_->txtClusterUnif;
    case kEvaluation: return evaluation_->FirstControl();
    case kEvaluationView: return results_->FirstControl();
    default: return txtAddIdeas(page->entryBox);
  }
}

void frmIdeas::FormActivate() {
  FocusFirstControl();
  SetHelpContexts();
}

void frmIdeas::FormDeactivate() {
  if (!selectionShown_) cmdOk_Click();
}

void frmIdeas::cmdOk_Click() {
  if (const PageSpec* page = PageOf(mode_)) {
    if (mode_ == kTAssets) tangibles_->Store(document_);
    if (mode_ == kIAssets) intangibles_->Store(document_);
    if (page->progressStep) emit events_.techniqueUsed(*page->progressStep);
    // A finished evaluation opens the plans and the results.
    if (mode_ == kEvaluation) emit events_.evaluationConfirmed();
  }
  document_.MarkModified();
  Unload(QDialog::Accepted);
}

void ShowIdeasDialog(frmIdeas& dialog, int mode) {
  if (dialog.mode() != mode) dialog.ShowPage(mode);
  if (!dialog.Prepare(mode)) return;
  dialog.SetIdeasTexts();
  dialog.UpdateIdeaMeter();
  SetHelpContexts();
  dialog.platform().ShowModal(dialog);
}

}  // namespace quillane
