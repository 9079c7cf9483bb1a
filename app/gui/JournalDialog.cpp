#include "app/gui/JournalDialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace talver {

JournalDialog::JournalDialog(const QString& caption, const std::vector<JournalRecord>& records,
                             QWidget* parent)
    : QDialog(parent) {
  setObjectName("JournalDialog");
  setWindowTitle(caption);
  resize(760, 480);
  auto* table = new QTableWidget(static_cast<int>(records.size()), 3, this);
  table->setObjectName("JournalTable");
  table->setHorizontalHeaderLabels({"Time", "Title", "Description"});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->setVisible(false);
  table->horizontalHeader()->setStretchLastSection(true);
  for (std::size_t row = 0; row < records.size(); ++row) {
    const auto& record = records[row];
    const int r = static_cast<int>(row);
    table->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(record.time)));
    table->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(record.title)));
    table->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(record.text)));
  }
  table->resizeColumnToContents(0);
  table->resizeColumnToContents(1);
  table->scrollToBottom();
  auto* close = new QPushButton("Закрыть", this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table);
  layout->addWidget(close, 0, Qt::AlignRight);
}

}  // namespace talver
