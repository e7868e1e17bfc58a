#pragma once

#include <QString>

namespace quillane {

// The report, plan and export files of this session: proposed at the next
// save and opened by the viewer commands. New Session forgets them.
struct OutputFiles {
  QString sReportFile;
  QString sPlanFile;
  QString sExportFile;
};

}  // namespace quillane
