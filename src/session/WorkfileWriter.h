#pragma once

#include <QByteArray>
#include <optional>

namespace quillane {

class Platform;
class SealingKey;
struct EvaluationState;
struct SessionContent;

// A workfile proper takes the session's password flag. The backup of a
// protected session is protected as its workfile is; a plain one writes its
// flag in the Boolean form "#FALSE#".
enum class WorkfileKind { Workfile, Backup };

// True when every text the workfile would hold has a byte in the code page,
// so the workfile is written in it as it always was.
bool ContentFitsCodePage(const SessionContent& content);

// The whole workfile of `content`, byte for byte: lines ending in CR LF, in
// Windows-1252 when every text fits it, else in UTF-8 with the reserved line
// holding the UTF-8 mark. Protected text lines are scrambled with keys drawn
// from `platform`. A control character in a text is written as a blank, so
// no value can break its line.
QByteArray WorkfileBytes(const SessionContent& content, WorkfileKind kind, Platform& platform);

// True when every picked idea of a ranked evaluation fits the code page.
// The evaluation's texts are written in the workfile's encoding.
bool EvaluationFitsCodePage(const EvaluationState& evaluation);

// The workfile as above, followed, when `evaluation` was ranked, by the
// evaluation after the end marker (its layout: ReadEvaluationBlock). Without
// a ranked evaluation the bytes are the same as above.
QByteArray WorkfileBytes(const SessionContent& content, const EvaluationState& evaluation, WorkfileKind kind,
                         Platform& platform);

// The bytes a workfile or backup is stored as: those above, or for an
// encrypted session those above without the password, sealed under `key`
// (EncryptedWorkfile.h). Nothing when an encrypted session has no key, or
// the workfile would be larger than any workfile Open reads.
std::optional<QByteArray> StoredWorkfileBytes(const SessionContent& content,
                                              const EvaluationState& evaluation, WorkfileKind kind,
                                              Platform& platform, const SealingKey* key);

}  // namespace quillane
