#include "program_language.h"

#include "command_line.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

Translations UseProgramLanguage(const QStringList& arguments)
{
    Translations translations(ChooseLanguage(LanguageArgument(arguments), QLocale::system().uiLanguages()),
                              QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
    if (!translations.Failure().isEmpty()) {
        std::fputs(translations.Failure().toLocal8Bit().constData(), stderr);
    }
    // The command line's words are English in every language, those of
    // Qt's parser too: Qt's own translation waits for the window.
    translations.Install(Translations::Words::Program);
    return translations;
}
