// The journal window: every record of Log.txt in the columns Time, Title, Description.
#pragma once

#include <QDialog>
#include <vector>

#include "app/Journal.h"

namespace talver {

class JournalDialog : public QDialog {
  Q_OBJECT

 public:
  JournalDialog(const QString& caption, const std::vector<JournalRecord>& records,
                QWidget* parent = nullptr);
};

}  // namespace talver
