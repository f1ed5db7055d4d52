#include "languages.h"

#include <algorithm>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef RIMBALO_HAS_TRANSLATIONS
// The catalogues live in a static library: their resource is brought in by hand.
static void initTranslationResources() {
    Q_INIT_RESOURCE(rimbalo_translations);
}
#endif

namespace client {

QList<Language> languages() {
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Français")},
            {QStringLiteral("es"), QStringLiteral("Español")},
            {QStringLiteral("nl"), QStringLiteral("Nederlands")},
            {QStringLiteral("it"), QStringLiteral("Italiano")},
            {QStringLiteral("pt"), QStringLiteral("Português")},
            {QStringLiteral("tr"), QStringLiteral("Türkçe")}};
}

QString resolvedLanguage(const QString& chosen, const QStringList& uiLanguages) {
    const QList<Language> known = languages();
    const auto isKnown = [&known](const QString& code) {
        return std::any_of(known.begin(), known.end(), [&code](const Language& l) { return l.code == code; });
    };
    if (isKnown(chosen)) return chosen;
    for (const QString& ui : uiLanguages) {
        // "de-AT", "pt_BR": the language part picks the catalogue.
        const QString code = ui.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (isKnown(code)) return code;
    }
    return QStringLiteral("en");
}

bool loadCatalogue(QTranslator& translator, const QString& code) {
#ifdef RIMBALO_HAS_TRANSLATIONS
    initTranslationResources();
    return translator.load(QStringLiteral(":/i18n/rimbalo_%1.qm").arg(code));
#else
    (void)translator;
    (void)code;
    return false;
#endif
}

bool installTranslators(QCoreApplication& app, const QString& code) {
    if (code == QLatin1String("en")) return true;
    auto* own = new QTranslator(&app);
    if (!loadCatalogue(*own, code)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace client
