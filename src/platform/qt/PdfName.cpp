#include "platform/qt/PdfName.h"

#include <QDir>
#include <QFileInfo>

namespace quillane {

QString UnusedPdfPath(const QString& folder, const QString& jobName) {
  const QDir dir(folder);
  QString path = dir.filePath(jobName + QStringLiteral(".pdf"));
  for (int number = 2; QFileInfo::exists(path); ++number) {
    path = dir.filePath(jobName + QStringLiteral(" (%1).pdf").arg(number));
  }
  return path;
}

}  // namespace quillane
