#include "app/tmainform.h"
#include "app/tsplash.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavrin"));
    app.setApplicationVersion(QStringLiteral("1.0"));
    app.setDesktopFileName(QStringLiteral("tavrin"));
    const QIcon icon(QStringLiteral(":/tavrin.png"));
    app.setWindowIcon(icon);

    auto *splash = new TSplash(icon.pixmap(64, 64));
    splash->show();
    app.processEvents();

    // French everywhere: the standard buttons and dialogs, dates and numbers.
    const QLocale french(QLocale::French, QLocale::France);
    QLocale::setDefault(french);
    QTranslator qtTranslator;
    if (qtTranslator.load(french, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    TMainForm mainForm;
    delete splash;
    mainForm.show();
    return app.exec();
}
