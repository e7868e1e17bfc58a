#include "settings/PrivateProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <limits>

namespace quillane {

namespace {

struct ProfileLine {
  enum class Kind { Other, Section, Key };
  Kind kind = Kind::Other;
  QString name;
  QString value;
};

ProfileLine ParseLine(const QString& line) {
  const QString text = line.trimmed();
  if (text.startsWith(QLatin1Char('['))) {
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    const QString name = close < 0 ? text.mid(1) : text.mid(1, close - 1);
    return {ProfileLine::Kind::Section, name.trimmed(), {}};
  }
  if (text.startsWith(QLatin1Char(';'))) return {};  // a comment
  const qsizetype equals = text.indexOf(QLatin1Char('='));
  if (equals <= 0) return {};
  const QString name = text.left(equals).trimmed();
  if (name.isEmpty()) return {};
  return {ProfileLine::Kind::Key, name, text.mid(equals + 1).trimmed()};
}

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool HoldsLineBreak(const QString& text) {
  return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QString Unquoted(const QString& value) {
  if (value.size() >= 2) {
    const QChar first = value.front();
    if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first) {
      return value.mid(1, value.size() - 2);
    }
  }
  return value;
}

// The file is ours and may name any path of this machine, so it is UTF-8;
// a file edited by hand in an 8-bit editor is still read, as Latin-1.
QString DecodeProfile(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  return text;
}

QString PlatformLineEnd() {
#ifdef Q_OS_WIN
  return QStringLiteral("\r\n");
#else
  return QStringLiteral("\n");
#endif
}

}  // namespace

PrivateProfile PrivateProfile::Load(const QString& path) {
  const FileBytes file = ReadRegularFile(path);
  if (file.result == FileRead::Done) return FromBytes(file.bytes);
  PrivateProfile profile;
  profile.lineEnd_ = PlatformLineEnd();
  profile.loaded_ = file.result;
  return profile;
}

PrivateProfile PrivateProfile::FromBytes(const QByteArray& bytes) {
  PrivateProfile profile;
  profile.lineEnd_ = PlatformLineEnd();
  const QString text = DecodeProfile(bytes);
  if (text.isEmpty()) return profile;
  if (text.contains(QLatin1String("\r\n"))) {
    profile.lineEnd_ = QStringLiteral("\r\n");
  } else if (text.contains(QLatin1Char('\n'))) {
    profile.lineEnd_ = QStringLiteral("\n");
  }
  profile.lines_ = text.split(QLatin1Char('\n'));
  if (profile.lines_.back().isEmpty()) profile.lines_.removeLast();  // the last line's end
  for (QString& line : profile.lines_) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  }
  return profile;
}

std::optional<qsizetype> PrivateProfile::FindSection(const QString& section) const {
  for (qsizetype i = 0; i < lines_.size(); ++i) {
    const ProfileLine line = ParseLine(lines_[i]);
    if (line.kind == ProfileLine::Kind::Section && SameName(line.name, section)) return i;
  }
  return std::nullopt;
}

std::optional<qsizetype> PrivateProfile::FindKey(const QString& section, const QString& key) const {
  bool inSection = false;
  for (qsizetype i = 0; i < lines_.size(); ++i) {
    const ProfileLine line = ParseLine(lines_[i]);
    if (line.kind == ProfileLine::Kind::Section) {
      inSection = SameName(line.name, section);
    } else if (inSection && line.kind == ProfileLine::Kind::Key && SameName(line.name, key)) {
      return i;
    }
  }
  return std::nullopt;
}

QString PrivateProfile::GetString(const QString& section, const QString& key, const QString& defaultValue,
                                  int maxLength) const {
  const std::optional<qsizetype> found = FindKey(section, key);
  QString value = found ? Unquoted(ParseLine(lines_[*found]).value) : defaultValue;
  if (maxLength >= 0 && value.size() > maxLength) value.truncate(maxLength);
  return value;
}

int PrivateProfile::GetInt(const QString& section, const QString& key, int defaultValue) const {
  const QString value = GetString(section, key, QString());
  if (value.isEmpty()) return defaultValue;
  qsizetype pos = 0;
  bool negative = false;
  if (value[0] == QLatin1Char('-') || value[0] == QLatin1Char('+')) {
    negative = value[0] == QLatin1Char('-');
    ++pos;
  }
  // Digits past the range of an int saturate instead of wrapping round.
  constexpr qint64 kLimit = std::numeric_limits<int>::max();
  qint64 number = 0;
  for (; pos < value.size() && value[pos] >= QLatin1Char('0') && value[pos] <= QLatin1Char('9'); ++pos) {
    number = std::min(number * 10 + (value[pos].unicode() - u'0'), kLimit + 1);
  }
  if (negative) return static_cast<int>(-number);
  return static_cast<int>(std::min(number, kLimit));
}

bool PrivateProfile::WriteString(const QString& section, const QString& key, const QString& value) {
  const QString keyName = key.trimmed();
  const QString sectionName = section.trimmed();
  if (keyName.isEmpty() || keyName.contains(QLatin1Char('=')) || keyName.startsWith(QLatin1Char('[')) ||
      keyName.startsWith(QLatin1Char(';')) || sectionName.contains(QLatin1Char(']')) ||
      HoldsLineBreak(keyName) || HoldsLineBreak(sectionName) || HoldsLineBreak(value)) {
    return false;
  }
  if (const std::optional<qsizetype> found = FindKey(sectionName, keyName)) {
    // The key keeps the spelling the file gave it.
    lines_[*found] = ParseLine(lines_[*found]).name + QLatin1Char('=') + value;
    return true;
  }
  const QString entry = keyName + QLatin1Char('=') + value;
  if (const std::optional<qsizetype> header = FindSection(sectionName)) {
    qsizetype last = *header;
    for (qsizetype i = *header + 1; i < lines_.size(); ++i) {
      if (ParseLine(lines_[i]).kind == ProfileLine::Kind::Section) break;
      if (!lines_[i].trimmed().isEmpty()) last = i;
    }
    lines_.insert(last + 1, entry);
    return true;
  }
  if (!lines_.isEmpty() && !lines_.back().trimmed().isEmpty()) lines_.append(QString());
  lines_.append(QLatin1Char('[') + sectionName + QLatin1Char(']'));
  lines_.append(entry);
  return true;
}

bool PrivateProfile::Save(const QString& path) const {
  if (loaded_ == FileRead::Refused) return false;
  // Only a regular file is replaced: a save through a link to a device or
  // onto a named pipe would destroy what is there or wait for ever.
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) return false;
  QDir().mkpath(target.absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QString text;
  for (const QString& line : lines_) text += line + lineEnd_;
  file.write(text.toUtf8());
  return file.commit();
}

}  // namespace quillane
