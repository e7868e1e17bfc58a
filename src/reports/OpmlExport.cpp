#include <QXmlStreamWriter>

#include "reports/ExportFormats.h"
#include "reports/ExportView.h"
#include "resources/ExchangeTexts.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

void StartOutline(QXmlStreamWriter& xml, const QString& text) {
  xml.writeStartElement(QStringLiteral("outline"));
  xml.writeAttribute(QStringLiteral("text"), XmlSafeText(text));
}

void ListOutline(QXmlStreamWriter& xml, int heading, const QStringList& entries) {
  StartOutline(xml, Text(heading));
  for (const QString& entry : entries) {
    StartOutline(xml, entry);
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

}  // namespace

QByteArray OpmlExport(const ExportView& view) {
  using namespace exchange;
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(2);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("opml"));
  xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
  xml.writeStartElement(QStringLiteral("head"));
  xml.writeTextElement(QStringLiteral("title"), XmlSafeText(view.goal));
  xml.writeEndElement();
  xml.writeStartElement(QStringLiteral("body"));
  StartOutline(xml, view.goal);

  StartOutline(xml, Text(kCriteria));
  for (const ExportView::Criterion& c : view.criteria) {
    StartOutline(xml, c.name);
    xml.writeAttribute(QStringLiteral("weight"), ExportNumber(c.weight));
    xml.writeEndElement();
  }
  xml.writeEndElement();
  ListOutline(xml, kTangibles, view.tangibles);
  ListOutline(xml, kIntangibles, view.intangibles);

  StartOutline(xml, Text(kIdeas));
  for (qsizetype i = 0; i < view.ideas.size(); ++i) {
    StartOutline(xml, view.ideas[i]);
    const auto& result = view.ideaResults[static_cast<std::size_t>(i)];
    if (result) xml.writeAttribute(QStringLiteral("result"), ExportNumber(*result));
    xml.writeEndElement();
  }
  xml.writeEndElement();

  if (view.evaluated) {
    StartOutline(xml, Text(kRanking));
    int rank = 0;
    for (const ExportView::RankedIdea& idea : view.ranking) {
      StartOutline(xml, idea.idea);
      xml.writeAttribute(QStringLiteral("rank"), QString::number(++rank));
      xml.writeAttribute(QStringLiteral("result"), ExportNumber(idea.result));
      if (!idea.ratings.empty()) xml.writeAttribute(QStringLiteral("ratings"), RatingsText(idea));
      xml.writeEndElement();
    }
    xml.writeEndElement();
  }

  xml.writeEndElement();  // the goal
  xml.writeEndElement();  // body
  xml.writeEndElement();  // opml
  xml.writeEndDocument();
  return bytes;
}

}  // namespace quillane
