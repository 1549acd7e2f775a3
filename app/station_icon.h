#pragma once
#include <QIcon>

// The application and dialog icon, one icon with three images (16, 32 and 48 pixels).
QIcon StationIcon();
