#include "ideas/IdeaFile.h"

#include <cmark.h>
#include <csv.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <memory>
#include <utility>
#include <vector>

#include "files/CodePage.h"
#include "files/SafeFileRead.h"
#include "files/TextEncoding.h"
#include "resources/ExchangeTexts.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

bool IsLabel(const QString& text, int number) {
  return text.trimmed().compare(Text(number), Qt::CaseInsensitive) == 0;
}

// UTF-8 when it starts with a byte-order mark or is valid UTF-8 throughout;
// the code page otherwise.
QString DecodeAny(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return DecodeTextFile(bytes);
  if (auto utf8 = DecodeText(bytes, TextEncoding::Utf8)) return *utf8;
  return DecodeTextFile(bytes);
}

QStringList Lines(const QString& text) {
  return text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

IdeaItems Items(QStringList texts) {
  IdeaItems found;
  for (const QString& text : texts) {
    const QString item = BlankControlCharacters(text).trimmed();
    if (!item.isEmpty()) found.items << item;
  }
  return found;
}

IdeaItems PlainTextItems(const QString& text) {
  return Items(Lines(text));
}

// The text of a Markdown node as its reader sees it: escapes and references
// undone, emphasis, links and code shown as their text, inline HTML as it
// stands. Each line break starts a new line.
QString InlineText(cmark_node* node) {
  QString text;
  for (cmark_node* child = cmark_node_first_child(node); child; child = cmark_node_next(child)) {
    switch (cmark_node_get_type(child)) {
      case CMARK_NODE_TEXT:
      case CMARK_NODE_CODE:
      case CMARK_NODE_HTML_INLINE: text += QString::fromUtf8(cmark_node_get_literal(child)); break;
      case CMARK_NODE_SOFTBREAK:
      case CMARK_NODE_LINEBREAK: text += QLatin1Char('\n'); break;
      default: text += InlineText(child); break;  // emphasis, links, images: their text
    }
  }
  return text;
}

// The text of a list item's own paragraphs, without the lists inside it.
QString ItemText(cmark_node* item) {
  QStringList paragraphs;
  for (cmark_node* child = cmark_node_first_child(item); child; child = cmark_node_next(child)) {
    if (cmark_node_get_type(child) == CMARK_NODE_PARAGRAPH) paragraphs << InlineText(child);
  }
  return paragraphs.join(QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// Markdown read by the CommonMark reference parser: the list items beneath
// the first "Ideas" heading, else every list item, else every line of the
// paragraphs but the rows of a table.
IdeaItems MarkdownItems(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const std::unique_ptr<cmark_node, decltype(&cmark_node_free)> document(
      cmark_parse_document(utf8.constData(), static_cast<std::size_t>(utf8.size()), CMARK_OPT_DEFAULT),
      &cmark_node_free);
  if (!document) return {IdeaFileRead::Damaged, {}};
  QStringList listItems;
  QStringList ideasItems;
  QStringList paragraphLines;
  int ideasLevel = 0;  // the level of the "Ideas" heading while under it
  bool sawIdeas = false;
  const std::unique_ptr<cmark_iter, decltype(&cmark_iter_free)> walk(cmark_iter_new(document.get()),
                                                                     &cmark_iter_free);
  for (cmark_event_type event; (event = cmark_iter_next(walk.get())) != CMARK_EVENT_DONE;) {
    if (event != CMARK_EVENT_ENTER) continue;
    cmark_node* node = cmark_iter_get_node(walk.get());
    switch (cmark_node_get_type(node)) {
      case CMARK_NODE_HEADING: {
        const int level = cmark_node_get_heading_level(node);
        if (ideasLevel && level <= ideasLevel) ideasLevel = 0;
        if (!sawIdeas && IsLabel(InlineText(node), exchange::kIdeas)) {
          sawIdeas = true;
          ideasLevel = level;
        }
        break;
      }
      case CMARK_NODE_ITEM: {
        const QString entry = ItemText(node);
        listItems << entry;
        if (ideasLevel) ideasItems << entry;
        break;
      }
      case CMARK_NODE_PARAGRAPH:
        if (cmark_node_get_type(cmark_node_parent(node)) == CMARK_NODE_ITEM) break;
        for (const QString& line : InlineText(node).split(QLatin1Char('\n'))) {
          if (!line.trimmed().startsWith(QLatin1Char('|'))) paragraphLines << line;
        }
        break;
      default: break;
    }
  }
  if (sawIdeas) return Items(ideasItems);
  return Items(listItems.isEmpty() ? paragraphLines : listItems);
}

// RFC 4180 records as libcsv reads them; a quoted field may hold
// separators, quotes and line ends. Empty lines are no records.
std::vector<QStringList> CsvRecords(const QString& text) {
  struct Reading {
    std::vector<QStringList> records;
    QStringList record;
  } reading;
  const auto field = [](void* bytes, std::size_t size, void* data) {
    static_cast<Reading*>(data)->record
        << QString::fromUtf8(static_cast<const char*>(bytes), static_cast<qsizetype>(size));
  };
  const auto record = [](int, void* data) {
    auto* r = static_cast<Reading*>(data);
    r->records.push_back(std::exchange(r->record, {}));
  };
  csv_parser parser;
  if (csv_init(&parser, 0) != 0) return {};
  const QByteArray utf8 = text.toUtf8();
  csv_parse(&parser, utf8.constData(), static_cast<std::size_t>(utf8.size()), field, record, &reading);
  csv_fini(&parser, field, record, &reading);
  csv_free(&parser);
  return reading.records;
}

IdeaItems CsvItems(const QString& text) {
  const std::vector<QStringList> records = CsvRecords(text);
  QStringList labelled;
  QStringList first;
  for (const QStringList& record : records) {
    if (record.size() >= 2 && IsLabel(record[0], exchange::kIdea)) labelled << record[1];
    first << record.value(0);
  }
  return Items(labelled.isEmpty() ? first : labelled);
}

// The texts of the `element`s of an XML file whose root is `root`: every
// one, or those beneath the first whose text is the "Ideas" label.
IdeaItems OutlineItems(const QByteArray& bytes, QLatin1StringView root, QLatin1StringView element,
                       QLatin1StringView attribute) {
  // Entities are declared in a document type declaration: a file that
  // has one is refused before anything of it is parsed.
  if (bytes.contains("<!DOCTYPE") || bytes.contains("<!ENTITY")) return {IdeaFileRead::Doctype, {}};
  struct Item {
    QString text;
    int depth;
  };
  std::vector<Item> items;
  QXmlStreamReader xml(bytes);
  int depth = 0;
  bool rootSeen = false;
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::DTD) return {IdeaFileRead::Doctype, {}};
    if (token == QXmlStreamReader::StartElement) {
      if (!rootSeen && xml.name() != root) return {IdeaFileRead::Damaged, {}};
      rootSeen = true;
      if (xml.name() == element) items.push_back({xml.attributes().value(attribute).toString(), ++depth});
    } else if (token == QXmlStreamReader::EndElement && xml.name() == element) {
      --depth;
    }
  }
  if (xml.hasError() || !rootSeen) return {IdeaFileRead::Damaged, {}};

  QStringList texts;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!IsLabel(items[i].text, exchange::kIdeas)) continue;
    for (std::size_t j = i + 1; j < items.size() && items[j].depth > items[i].depth; ++j)
      texts << items[j].text;
    return Items(texts);
  }
  for (const Item& item : items) texts << item.text;
  return Items(texts);
}

}  // namespace

IdeaFileKind IdeaFileKindOf(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == QLatin1String("md") || extension == QLatin1String("markdown"))
    return IdeaFileKind::Markdown;
  if (extension == QLatin1String("csv")) return IdeaFileKind::Csv;
  if (extension == QLatin1String("opml")) return IdeaFileKind::Opml;
  if (extension == QLatin1String("mm")) return IdeaFileKind::FreeMind;
  return IdeaFileKind::PlainText;
}

IdeaItems ReadIdeaItems(const QByteArray& bytes, IdeaFileKind kind) {
  if (bytes.size() > kMaxReadFileBytes) return {IdeaFileRead::TooLarge, {}};
  switch (kind) {
    case IdeaFileKind::Markdown: return MarkdownItems(DecodeAny(bytes));
    case IdeaFileKind::Csv: return CsvItems(DecodeAny(bytes));
    case IdeaFileKind::Opml:
      return OutlineItems(bytes, QLatin1StringView("opml"), QLatin1StringView("outline"),
                          QLatin1StringView("text"));
    case IdeaFileKind::FreeMind:
      return OutlineItems(bytes, QLatin1StringView("map"), QLatin1StringView("node"),
                          QLatin1StringView("TEXT"));
    case IdeaFileKind::PlainText: break;
  }
  // A session exported as Markdown under another name gives back its ideas too.
  const QString text = DecodeAny(bytes);
  static const QRegularExpression kIdeasHeading(QStringLiteral("^## (.*)$"),
                                                QRegularExpression::MultilineOption);
  for (const auto& heading : kIdeasHeading.globalMatch(text)) {
    if (IsLabel(heading.captured(1), exchange::kIdeas)) return MarkdownItems(text);
  }
  return PlainTextItems(text);
}

IdeaItems ReadIdeaFile(const QString& path) {
  // Told apart before reading, so a huge file is named as such.
  const QFileInfo info(path);
  if (info.isFile() && info.size() > kMaxReadFileBytes) return {IdeaFileRead::TooLarge, {}};
  const FileBytes file = ReadRegularFile(path);
  switch (file.result) {
    case FileRead::Done: break;
    case FileRead::Missing: return {IdeaFileRead::Missing, {}};
    case FileRead::Refused:
      return {QFileInfo(path).size() > kMaxReadFileBytes ? IdeaFileRead::TooLarge : IdeaFileRead::Unreadable,
              {}};
  }
  return ReadIdeaItems(file.bytes, IdeaFileKindOf(path));
}

}  // namespace quillane
