// The release notes window TfmAbout_News.
#pragma once

#include <QDialog>
#include <array>

namespace talver {

inline constexpr std::array<const char*, 10> kReleaseNotes{
    "v 5.0.0.10 от 07.10.2019",
    "  - Блокировка приема данных московского дигизонда",
    "v 5.0.0.8 от 01.10.2018",
    "   - Оптимизация приема ионосферных данных с защищенных сайтов",
    "v 5.0.0.7 от 03.04.2018",
    "   - Оптимизация приема ионосферных данных",
    "v 5.0.0.5 от 03.01.2018 ",
    "    - Устранена ошибка при загрузке данных с ионозонда Новосибирска",
    "v 5.0.0.3 от 19.12.2017 ",
    "    - Устранена ошибка при загрузке данных с ионозонда Новосибирска",
};

class NewsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NewsDialog(QWidget* parent = nullptr);
};

}  // namespace talver
