#include "ideas/IdeaFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
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

// Inline Markdown as its reader shows it, as far as a line of an idea goes:
// backslash escapes and character references.
QString MarkdownInline(const QString& text) {
  static const QString kAsciiPunctuation = QStringLiteral("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");
  static const QRegularExpression kReference(
      QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|amp|lt|gt|quot);"));
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('\\') && i + 1 < text.size() && kAsciiPunctuation.contains(text[i + 1])) {
      out += text[++i];
      continue;
    }
    if (c == QLatin1Char('&')) {
      const QRegularExpressionMatch m = kReference.match(text, i, QRegularExpression::NormalMatch,
                                                         QRegularExpression::AnchorAtOffsetMatchOption);
      if (m.hasMatch()) {
        const QString name = m.captured(1);
        char32_t code = 0xFFFD;
        if (name == QLatin1String("amp"))
          code = '&';
        else if (name == QLatin1String("lt"))
          code = '<';
        else if (name == QLatin1String("gt"))
          code = '>';
        else if (name == QLatin1String("quot"))
          code = '"';
        else {
          bool ok = false;
          const uint value = name.at(1).toLower() == QLatin1Char('x') ? name.mid(2).toUInt(&ok, 16)
                                                                      : name.mid(1).toUInt(&ok, 10);
          if (ok && value > 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF)) code = value;
        }
        out += QString::fromUcs4(&code, 1);
        i += m.capturedLength() - 1;
        continue;
      }
    }
    out += c;
  }
  return out;
}

IdeaItems MarkdownItems(const QString& text) {
  static const QRegularExpression kHeading(
      QStringLiteral("^ {0,3}(#{1,6})(?:[ \\t]+(.*?))?(?:[ \\t]+#+)?[ \\t]*$"));
  static const QRegularExpression kListItem(QStringLiteral("^[ \\t]*(?:[-+*]|[0-9]{1,9}[.)])[ \\t]+(.*)$"));
  static const QRegularExpression kFence(QStringLiteral("^ {0,3}(```|~~~)"));
  static const QRegularExpression kRule(QStringLiteral("^ {0,3}([-*_=])[ \\t]*(\\1[ \\t]*)+$"));
  QStringList listItems;
  QStringList ideasItems;
  QStringList paragraphs;
  int ideasLevel = 0;  // the level of the "Ideas" heading while under it
  bool sawIdeas = false;
  bool fenced = false;
  for (const QString& line : Lines(text)) {
    if (kFence.match(line).hasMatch()) {
      fenced = !fenced;
      continue;
    }
    if (fenced || line.trimmed().isEmpty() || kRule.match(line).hasMatch()) continue;
    if (const auto heading = kHeading.match(line); heading.hasMatch()) {
      const int level = static_cast<int>(heading.capturedLength(1));
      if (ideasLevel && level <= ideasLevel) ideasLevel = 0;
      if (!sawIdeas && IsLabel(MarkdownInline(heading.captured(2)), exchange::kIdeas)) {
        sawIdeas = true;
        ideasLevel = level;
      }
      continue;
    }
    if (line.trimmed().startsWith(QLatin1Char('|'))) continue;  // a row of a table
    if (const auto item = kListItem.match(line); item.hasMatch()) {
      const QString entry = MarkdownInline(item.captured(1));
      listItems << entry;
      if (ideasLevel) ideasItems << entry;
      continue;
    }
    paragraphs << MarkdownInline(line);
  }
  if (sawIdeas) return Items(ideasItems);
  return Items(listItems.isEmpty() ? paragraphs : listItems);
}

// RFC 4180 records; a quoted field may hold separators, quotes and line ends.
std::vector<QStringList> CsvRecords(const QString& text) {
  std::vector<QStringList> records;
  QStringList record;
  QString field;
  bool quoted = false;
  bool any = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c != QLatin1Char('"')) {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
        field += c;
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == QLatin1Char('"')) {
      quoted = true;
      any = true;
    } else if (c == QLatin1Char(',')) {
      record << field;
      field.clear();
      any = true;
    } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
      if (any || !field.isEmpty()) records.push_back(record << field);
      record.clear();
      field.clear();
      any = false;
    } else {
      field += c;
    }
  }
  if (any || !field.isEmpty()) records.push_back(record << field);
  return records;
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
