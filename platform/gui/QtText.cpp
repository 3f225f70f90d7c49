#include "platform/gui/QtText.h"

QString ToQString(const String& text) {
    QString shown = QString::fromUtf8(text.ToUTF8());
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

String FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return String(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}
