#pragma once

#include <QString>

namespace quillane {

// Where printed pages go as a PDF when there is no printer: `jobName`.pdf in
// `folder`, or "jobName (2).pdf", "(3)" and so on when that file is there
// already, so an earlier PDF is never overwritten.
QString UnusedPdfPath(const QString& folder, const QString& jobName);

}  // namespace quillane
