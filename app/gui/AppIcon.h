// The program's icon, drawn rather than shipped, for the window, the tray and the dialogs.
#pragma once

#include <QIcon>

namespace talver {

QIcon AppIcon();

}  // namespace talver
