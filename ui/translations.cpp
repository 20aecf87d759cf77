#include "translations.h"

#include "texts_app.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

const QStringList& ProgramLanguages()
{
    static const QStringList languages{QStringLiteral("it"), QStringLiteral("en")};
    return languages;
}

QString ChooseLanguage(const std::optional<QString>& asked, const QStringList& uiLanguages)
{
    if (asked && ProgramLanguages().contains(*asked)) {
        return *asked;
    }
    for (const QString& uiLanguage : uiLanguages) {
        // "en-GB", "en_GB" and "en" are all English.
        const QString language = uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (ProgramLanguages().contains(language)) {
            return language;
        }
    }
    return ProgramLanguages().first();
}

Translations::Translations(const QString& language, const QString& folder)
{
    QString spoken = language;
    if (language != ProgramLanguages().first()) {
        const QString file = QStringLiteral("solar-system_%1.qm").arg(language);
        program = std::make_unique<QTranslator>();
        if (!program->load(file, folder)) {
            program.reset();
            failure = MessageText::TranslationUnread(folder + QLatin1Char('/') + file);
            // The texts stay Italian, and Qt's own words with them.
            spoken = ProgramLanguages().first();
        }
    }
    qt = std::make_unique<QTranslator>();
    if (!qt->load(QLocale(spoken), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt.reset();
    }
}

void Translations::Install(Words words) const
{
    if (program) {
        QCoreApplication::installTranslator(program.get());
    }
    if (qt && words == Words::ProgramAndQt) {
        QCoreApplication::installTranslator(qt.get());
    }
}
