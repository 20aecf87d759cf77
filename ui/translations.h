#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <optional>

// The languages the program speaks: Italian, the texts' own, first; then
// those of its translations.
const QStringList& ProgramLanguages();

// The language to speak: `asked` (--lang) when the program speaks it;
// otherwise the first of the system's preferred languages, most preferred
// first as QLocale::uiLanguages() gives them ("en-GB", "it_IT", "C"), that it
// speaks, by the language alone; Italian when it speaks none of them.
QString ChooseLanguage(const std::optional<QString>& asked, const QStringList& uiLanguages);

// The translations into one language of the program's texts (from `folder`,
// where the build puts solar-system_<language>.qm) and of Qt's own (from Qt's
// translations, where there is one). Loaded once, and handed to each
// application object the program makes in turn.
class Translations {
public:
    Translations(const QString& language, const QString& folder);

    // Why the program's translation could not be read, as a line for
    // standard error; empty when it was read or Italian needs none. Without
    // it the texts stay Italian.
    const QString& Failure() const { return failure; }

    // Which of them an application object is to translate with.
    enum class Words { Program, ProgramAndQt };

    // Makes the running application object translate with them.
    void Install(Words words) const;

private:
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    QString failure;
};
