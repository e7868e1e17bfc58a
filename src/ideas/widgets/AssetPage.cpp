#include "ideas/widgets/AssetPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/SessionDocument.h"
#include "resources/Texts.h"
#include "ui/ListEditor.h"

namespace quillane {

AssetPage::AssetPage(Prompter& prompter, QGroupBox* frame, AssetKind assetKind) : kind(assetKind) {
  const QString name = kind == AssetKind::Tangible ? QStringLiteral("TAssets") : QStringLiteral("IAssets");
  label = new QLabel(frame);
  label->setObjectName(QStringLiteral("lblIdeas") + name);
  const QString prefix = QStringLiteral("cmdIdeas") + name;
  editor = new ListEditor(
      prompter,
      {QStringLiteral("txtIdeas") + name, QStringLiteral("lstIdeas") + name, prefix + QStringLiteral("Add"),
       prefix + QStringLiteral("Edit"), prefix + QStringLiteral("Delete")},
      kMaxAssets, frame);
  label->setBuddy(editor->textBox());
  auto* layout = static_cast<QVBoxLayout*>(frame->layout());
  layout->addWidget(label);
  layout->addWidget(editor, 1);
}

void AssetPage::Prepare(const SessionContent& content) {
  editor->Fill(AssetEntries(content, kind));
}

void AssetPage::SetTexts() {
  const bool tangible = kind == AssetKind::Tangible;
  label->setText(ShownText(tangible ? 215 : 216));
  // The label stands outside the list editor, and a list never takes its
  // name from a label: both are named here.
  editor->textBox()->setAccessibleName(ShownText(tangible ? 215 : 216));
  editor->list()->setAccessibleName(ShownText(tangible ? 3204 : 3205));
  editor->SetButtonTexts();
}

void AssetPage::Store(SessionDocument& document) {
  document.SetAssets(kind, editor->Entries());
}

QLineEdit* AssetPage::textBox() const {
  return editor->textBox();
}

}  // namespace quillane
