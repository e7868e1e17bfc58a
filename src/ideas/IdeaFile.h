#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillane {

// The kinds of file ideas come in from, told by the file's extension.
enum class IdeaFileKind { PlainText, Markdown, Csv, Opml, FreeMind };

IdeaFileKind IdeaFileKindOf(const QString& path);

enum class IdeaFileRead {
  Done,
  Missing,     // nothing is there
  Unreadable,  // no regular file, or one the account may not read
  TooLarge,    // past the limit of every file the program reads
  Damaged,     // no file of its kind: XML that is not well formed, or another root
  Doctype,     // XML with a document type declaration, which may declare entities
};

struct IdeaItems {
  IdeaFileRead result = IdeaFileRead::Done;
  QStringList items;  // in the file's order, each one line without blanks at its ends
};

// The items of a file of ideas: every non-empty line of plain text; the
// list items of Markdown as CommonMark reads them, their text as a viewer
// shows it (those under its "Ideas" heading when it has one, so an exported
// session gives back its ideas); the "Idea" rows of an
// exported CSV file, else the first field of each row; every outline of OPML
// and every node of a mind map, or only those beneath the "Ideas" one when
// there is one. Control characters become blanks. Nothing is read past the
// size limit of the workfile reader, and XML never reaches its parser with a
// document type declaration.
IdeaItems ReadIdeaItems(const QByteArray& bytes, IdeaFileKind kind);
IdeaItems ReadIdeaFile(const QString& path);

}  // namespace quillane
