#pragma once

#include <QString>

namespace quillane {

// The report and plan files of this session: proposed at the next save and
// opened by the viewer commands. New Session forgets them.
struct OutputFiles {
  QString sReportFile;
  QString sPlanFile;
};

}  // namespace quillane
