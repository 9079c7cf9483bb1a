#include "app/gui/NewsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/AppIcon.h"

namespace talver {

NewsDialog::NewsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TfmAbout_News");
  setWindowTitle("Новое в версии");
  setSizeGripEnabled(true);
  resize(520, 300);

  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcon().pixmap(48, 48));
  auto* name = new QLabel("Тальвер", this);
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 4);
  name->setFont(bold);
  auto* heading = new QHBoxLayout;
  heading->addWidget(icon);
  heading->addWidget(name, 1);

  auto* notes = new QListWidget(this);
  notes->setObjectName("ListBox1");
  for (const char* line : kReleaseNotes) {
    notes->addItem(QString::fromUtf8(line));
  }

  auto* ok = new QPushButton("&Ok", this);
  ok->setObjectName("btnOk");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading);
  layout->addWidget(notes, 1);
  layout->addLayout(buttons);
}

}  // namespace talver
