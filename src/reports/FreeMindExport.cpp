#include <QXmlStreamWriter>

#include "reports/ExportFormats.h"
#include "reports/ExportView.h"
#include "resources/ExchangeTexts.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

void StartNode(QXmlStreamWriter& xml, const QString& text) {
  xml.writeStartElement(QStringLiteral("node"));
  xml.writeAttribute(QStringLiteral("TEXT"), XmlSafeText(text));
}

// A branch of the root: the branches alternate between its two sides.
void StartBranch(QXmlStreamWriter& xml, int heading, int& branch) {
  StartNode(xml, Text(heading));
  xml.writeAttribute(QStringLiteral("POSITION"),
                     branch++ % 2 == 0 ? QStringLiteral("right") : QStringLiteral("left"));
}

void Attribute(QXmlStreamWriter& xml, const QString& name, const QString& value) {
  xml.writeEmptyElement(QStringLiteral("attribute"));
  xml.writeAttribute(QStringLiteral("NAME"), XmlSafeText(name));
  xml.writeAttribute(QStringLiteral("VALUE"), value);
}

void ListBranch(QXmlStreamWriter& xml, int heading, const QStringList& entries, int& branch) {
  StartBranch(xml, heading, branch);
  for (const QString& entry : entries) {
    StartNode(xml, entry);
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

// Characters past ASCII as references: older mind-map programs read the
// file in their own code page.
QByteArray AsciiWithReferences(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else {
      out += "&#" + QByteArray::number(static_cast<quint32>(code)) + ';';
    }
  }
  return out;
}

}  // namespace

QByteArray FreeMindExport(const ExportView& view) {
  using namespace exchange;
  QString text;
  QXmlStreamWriter xml(&text);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(1);
  xml.writeStartElement(QStringLiteral("map"));
  xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.1"));
  StartNode(xml, view.goal);
  int branch = 0;

  StartBranch(xml, kCriteria, branch);
  for (const ExportView::Criterion& c : view.criteria) {
    StartNode(xml, c.name);
    Attribute(xml, Text(kWeight), ExportNumber(c.weight));
    xml.writeEndElement();
  }
  xml.writeEndElement();
  ListBranch(xml, kTangibles, view.tangibles, branch);
  ListBranch(xml, kIntangibles, view.intangibles, branch);

  StartBranch(xml, kIdeas, branch);
  for (qsizetype i = 0; i < view.ideas.size(); ++i) {
    StartNode(xml, view.ideas[i]);
    const auto& result = view.ideaResults[static_cast<std::size_t>(i)];
    if (result) Attribute(xml, Text(kResult), ExportNumber(*result));
    xml.writeEndElement();
  }
  xml.writeEndElement();

  if (view.evaluated) {
    StartBranch(xml, kRanking, branch);
    int rank = 0;
    for (const ExportView::RankedIdea& idea : view.ranking) {
      StartNode(xml, idea.idea);
      Attribute(xml, Text(kRank), QString::number(++rank));
      Attribute(xml, Text(kResult), ExportNumber(idea.result));
      if (!idea.ratings.empty()) Attribute(xml, Text(kRatings), RatingsText(idea));
      xml.writeEndElement();
    }
    xml.writeEndElement();
  }

  xml.writeEndElement();  // the goal
  xml.writeEndElement();  // map
  return AsciiWithReferences(text.trimmed()) + '\n';
}

}  // namespace quillane
