#include "translations/Translations.h"

#include "InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The translators of the run: owned here, so that installing again replaces them.
QTranslator& OwnTexts() {
    static QTranslator translator;
    return translator;
}
QTranslator& QtTexts() {
    static QTranslator translator;
    return translator;
}
QString& InstalledLanguage() {
    static QString language;
    return language;
}

} // namespace

QString Translations::Folder() {
    const QString installed = InstallLayout::SharedDirectory() + QStringLiteral("/translations");
    if (QDir(installed).exists())
        return installed;
    return QStringLiteral(":/i18n");
}

QString Translations::Language() {
    return InstalledLanguage();
}

QString Translations::Install(const QLocale& locale) {
    QCoreApplication::removeTranslator(&OwnTexts());
    QCoreApplication::removeTranslator(&QtTexts());
    InstalledLanguage().clear();
    // An English locale must not fall through to another of the user's languages: the
    // program's own texts are English.
    const QString first = locale.uiLanguages().value(0);
    if (first.isEmpty() || first == QLatin1String("C") || first.startsWith(QLatin1String("en")))
        return {};
    if (!OwnTexts().load(locale, QStringLiteral("quorvane"), QStringLiteral("_"), Folder()))
        return {};
    QCoreApplication::installTranslator(&OwnTexts());
    // Qt's texts only with the program's own: a half-translated window reads worse than an
    // English one.
    if (QtTexts().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&QtTexts());
    InstalledLanguage() = OwnTexts().language().section(QLatin1Char('_'), 0, 0);
    return InstalledLanguage();
}
