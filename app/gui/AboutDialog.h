// The About box TfmAbout: name, version, release notes and the project's web address.
#pragma once

#include <QDialog>

namespace talver {

inline constexpr const char* kProjectAddress = "https://github.com/talver/talver";

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace talver
