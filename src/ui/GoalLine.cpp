#include "ui/GoalLine.h"

#include <QBoxLayout>
#include <QLabel>

#include "ui/WrappingLabel.h"

namespace quillane {

GoalLine AddGoalLine(QWidget* parent, QBoxLayout* layout, const char* captionName, const char* goalName) {
  GoalLine line;
  line.caption = new QLabel(parent);
  line.caption->setObjectName(QLatin1String(captionName));
  line.goal = new WrappingLabel(parent);
  line.goal->setObjectName(QLatin1String(goalName));
  line.goal->setWordWrap(true);
  line.goal->setTextFormat(Qt::PlainText);
  QFont bold = line.goal->font();
  bold.setBold(true);
  line.goal->setFont(bold);
  line.caption->setBuddy(line.goal);
  auto* row = new QHBoxLayout;
  row->addWidget(line.caption, 0, Qt::AlignTop);
  row->addWidget(line.goal, 1);
  layout->addLayout(row);
  return line;
}

}  // namespace quillane
