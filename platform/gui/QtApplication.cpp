#include "platform/gui/QtApplication.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The interface is Japanese: Qt's own dialogs (the file choosers, the
// buttons of its standard dialogs) speak it too, through the translation
// that Qt keeps with its installation.
void SpeakJapanese(QApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translation = new QTranslator(&application);
    if (translation->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translation);
}

} // namespace

void EnsureQtApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "DRAVO Migration Assistant";
    static char* argv[] = {name, nullptr};
    auto* application = new QApplication(argc, argv);
    // Closing the last window ends the application through Window, which
    // knows a hidden window from a closed one.
    application->setQuitOnLastWindowClosed(false);
    SpeakJapanese(*application);
}
