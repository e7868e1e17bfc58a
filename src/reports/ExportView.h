#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/Session.h"

namespace quillane {

struct EvaluationState;

// What an export shows of the session and its evaluation, read once: every
// writer works on this alone, so each is a plain function of it.
struct ExportView {
  struct Criterion {
    QString name;
    Single weight = 0;
  };
  struct RankedIdea {
    QString idea;
    Single result = 0;
    // One rating per criterion, in the criteria's order; empty when the
    // criteria changed since the evaluation.
    std::vector<Single> ratings;
  };

  QString goal;
  std::vector<Criterion> criteria;
  QStringList tangibles;
  QStringList intangibles;
  QStringList ideas;
  // For each idea of `ideas`, its result where it was evaluated.
  std::vector<std::optional<Single>> ideaResults;
  bool evaluated = false;
  std::vector<RankedIdea> ranking;  // best first
};

ExportView MakeExportView(const SessionContent& content, const EvaluationState& evaluation);

// A weight, result or rating as the exports write it: "9", "4.5", with
// `decimalPoint` between the whole and the tenths.
QString ExportNumber(Single value, const QString& decimalPoint = QStringLiteral("."));

// A ranked idea's ratings in the order of the criteria, between blanks:
// how the outline and the mind map keep them, compactly.
QString RatingsText(const ExportView::RankedIdea& idea);

// `text` with every character that an XML file cannot hold (a control
// character, half a surrogate pair) replaced by U+FFFD.
QString XmlSafeText(const QString& text);

}  // namespace quillane
