#pragma once
// The languages the window speaks, and the translators that make it speak one.

#include <QList>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace client {

struct Language {
    QString code;       // locale name of the catalogue: "de", "pt"
    QString nativeName; // the language in its own words, as the Language menu lists it
};

// English (the texts in the program) first, then each shipped translation.
QList<Language> languages();

// The language the window should speak: `chosen` when it is one of languages(), else the first of
// the system's preferred languages (QLocale::uiLanguages) that is, else English ("en").
QString resolvedLanguage(const QString& chosen, const QStringList& uiLanguages);

// Loads the program's catalogue for `code` (not English) into `translator`.
bool loadCatalogue(QTranslator& translator, const QString& code);

// Installs the program's catalogue for `code` and Qt's own (dialog buttons and the like) when Qt's
// translations are installed. English installs nothing. Returns false when the program's catalogue
// could not be loaded.
bool installTranslators(QCoreApplication& app, const QString& code);

} // namespace client
