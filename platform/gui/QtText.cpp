#include "platform/gui/QtText.h"

QString ToQString(const String& text) {
    QString shown = QString::fromUtf8(text.ToUTF8());
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
