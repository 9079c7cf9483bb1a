// Turns the operator's manual (Markdown) into DOC/Ionos.pdf at build time, with Qt's own
// PDF writer.
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <iostream>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: talver-manual MANUAL.md OUTPUT.pdf\n";
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::cerr << "talver-manual: cannot read " << argv[1] << "\n";
    return 1;
  }
  QTextDocument document;
  QFont font("DejaVu Sans", 9);
  document.setDefaultFont(font);
  document.setMarkdown(QString::fromUtf8(source.readAll()));
  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  writer.setResolution(300);
  writer.setTitle("Тальвер — руководство оператора");
  writer.setCreator("talver");
  document.print(&writer);
  return 0;
}
