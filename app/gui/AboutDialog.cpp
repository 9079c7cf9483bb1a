#include "app/gui/AboutDialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/CommandLine.h"
#include "app/gui/AppIcon.h"
#include "app/gui/NewsDialog.h"

namespace talver {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TfmAbout");
  setWindowTitle("О программе");

  auto* family = new QLabel("Программы ионосферного мониторинга и прогноза", this);
  QFont bold = family->font();
  bold.setBold(true);
  family->setFont(bold);
  family->setAlignment(Qt::AlignCenter);

  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcon().pixmap(48, 48));
  auto* product = new QLabel("Тальвер", this);
  product->setObjectName("ProductName");
  QFont large = product->font();
  large.setBold(true);
  large.setPointSize(large.pointSize() + 6);
  product->setFont(large);
  auto* nameRow = new QHBoxLayout;
  nameRow->addStretch();
  nameRow->addWidget(icon);
  nameRow->addWidget(product);
  nameRow->addStretch();

  auto* news = new QPushButton("Новое в версии", this);
  news->setObjectName("btnNews");
  connect(news, &QPushButton::clicked, this, [this] {
    NewsDialog dialog(this);
    dialog.exec();
  });

  auto* version = new QLabel(QString::fromStdString(VersionText()), this);
  version->setObjectName("Version");
  version->setAlignment(Qt::AlignCenter);

  auto* link = new QLabel(
      QString("<a href=\"%1\" style=\"color:#0000ff\"><b>%1</b></a>").arg(kProjectAddress), this);
  link->setObjectName("lbAddress");
  link->setAlignment(Qt::AlignCenter);
  link->setTextFormat(Qt::RichText);
  link->setTextInteractionFlags(Qt::TextBrowserInteraction);
  link->setOpenExternalLinks(false);
  connect(link, &QLabel::linkActivated, this,
          [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); });

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOk");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(family);
  layout->addLayout(nameRow);
  layout->addWidget(news, 0, Qt::AlignCenter);
  layout->addWidget(version);
  layout->addWidget(link);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace talver
