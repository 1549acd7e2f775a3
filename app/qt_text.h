#pragma once
#include <QString>

#include "platform/types.h"

// Our texts are in the system's multibyte character set, as the settings and PC/SC give
// them; Qt's are Unicode.
inline QString ToQString(const CString& strText) {
    return QString::fromLocal8Bit(strText);
}
inline CString FromQString(const QString& strText) {
    return strText.toLocal8Bit().toStdString();
}
