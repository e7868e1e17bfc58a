#pragma once

#include "ideas/Assets.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace quillane {

class ListEditor;
class Prompter;
class SessionDocument;

// The page of the tangible or of the intangible assets: the list editor
// working on a copy that OK stores.
struct AssetPage {
  AssetPage(Prompter& prompter, QGroupBox* frame, AssetKind kind);
  void Prepare(const SessionContent& content);
  void SetTexts();
  void Store(SessionDocument& document);
  // `txtIdeasTAssets` / `txtIdeasIAssets`, where a new asset is typed.
  QLineEdit* textBox() const;

  AssetKind kind;
  QLabel* label = nullptr;  // `lblIdeasTAssets` / `lblIdeasIAssets`
  ListEditor* editor = nullptr;
};

}  // namespace quillane
