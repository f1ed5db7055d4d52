// The window's languages: every catalogue complete and true to the placeholders of its texts, every
// text a player sees held by the English catalogue (so marked for translation), the choice of
// language kept, and each language's texts shown whole at the window's smallest size.

#include "harness.h"

#include "client/language/languages.h"
#include "client/panel/fittinglabel.h"
#include "client/play/spokennames.h"
#include "client/settings/settingsfile.h"
#include "client/table/table.h"
#include "windows/hostdialog.h"
#include "windows/joindialog.h"
#include "windows/tdownload.h"
#include "windows/tgamestart.h"
#include "windows/thelp.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>
#include <map>
#include <memory>
#include <set>

using namespace testing_client;

namespace {

const QStringList kTranslated = {"de", "fr", "es", "nl", "it", "pt", "tr"};

struct Entry {
    QString context;
    QString source;
    QStringList translations; // one, or a form for each plural of a numerus text
    QString type;             // "unfinished", "vanished", "obsolete" or empty when done
};

struct Catalogue {
    QString language;
    QList<Entry> entries;
};

Catalogue readCatalogue(const QString& code) {
    QFile file(QStringLiteral(RIMBALO_TS_DIR "/rimbalo_%1.ts").arg(code));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    Catalogue c;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS"))
            c.language = xml.attributes().value(QLatin1String("language")).toString();
        else if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, {}};
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source"))
            entry.source = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            if (numerus)
                while (xml.readNextStartElement())
                    entry.translations << xml.readElementText();
            else
                entry.translations << xml.readElementText();
            c.entries << entry;
        }
    }
    EXPECT_FALSE(xml.hasError()) << code.toStdString() << ": " << xml.errorString().toStdString();
    return c;
}

std::set<QString> placeholders(const QString& text) {
    std::set<QString> found;
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// A catalogue installed for as long as this lives.
struct Speaking {
    QTranslator translator;
    explicit Speaking(const QString& code) {
        if (code == QLatin1String("en")) return;
        EXPECT_TRUE(client::loadCatalogue(translator, code)) << code.toStdString();
        QCoreApplication::installTranslator(&translator);
    }
    ~Speaking() { QCoreApplication::removeTranslator(&translator); }
};

} // namespace

TEST(Catalogues, EveryTextTranslatedWithItsPlaceholdersAndAccelerators) {
    const Catalogue first = readCatalogue(kTranslated.first());
    ASSERT_GT(first.entries.size(), 100);
    for (const QString& code : kTranslated) {
        const Catalogue c = readCatalogue(code);
        const std::string lang = code.toStdString();
        EXPECT_EQ(c.language, code);
        // Every catalogue holds the same texts: one brought up to date alone would show as this.
        EXPECT_EQ(c.entries.size(), first.entries.size()) << lang;
        for (const Entry& e : c.entries) {
            const std::string where = lang + " " + e.context.toStdString() + ": " + e.source.toStdString();
            EXPECT_TRUE(e.type.isEmpty()) << where << " is " << e.type.toStdString();
            ASSERT_FALSE(e.translations.isEmpty()) << where;
            for (const QString& translation : e.translations) {
                EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(placeholders(e.source), placeholders(translation)) << where;
                EXPECT_EQ(e.source.contains(QLatin1String("%n")), translation.contains(QLatin1String("%n")))
                    << where;
                // A menu title keeps its accelerator; no other text gains one.
                EXPECT_EQ(e.source.count(QLatin1Char('&')), translation.count(QLatin1Char('&'))) << where;
                EXPECT_EQ(e.source.startsWith(QLatin1Char(' ')), translation.startsWith(QLatin1Char(' ')))
                    << where;
            }
        }
    }
}

TEST(Catalogues, CompiledIntoTheProgram) {
    for (const QString& code : kTranslated) {
        QTranslator t;
        ASSERT_TRUE(client::loadCatalogue(t, code)) << code.toStdString();
        const QString game = t.translate("client::Tchat", "&Game");
        EXPECT_FALSE(game.isEmpty()) << code.toStdString();
        EXPECT_NE(game, QStringLiteral("&Game")) << code.toStdString();
    }
    QTranslator none;
    EXPECT_FALSE(client::loadCatalogue(none, QStringLiteral("xx")));
}

// The names a screen reader says come from the catalogue too (a text whose context the catalogue files
// elsewhere stays English); a queen's colour agrees with her where colours agree with the noun.
TEST(Catalogues, TheSpokenTileNamesAreTranslated) {
    const int red7 = 33, blackQueen = 51, blackKing = 52;
    {
        Speaking german(QStringLiteral("de"));
        EXPECT_EQ(client::spokenTile(red7), QStringLiteral("Rot 7"));
        EXPECT_EQ(client::spokenTile(rules::kJoker), QStringLiteral("Joker"));
    }
    {
        Speaking french(QStringLiteral("fr"));
        EXPECT_EQ(client::spokenTile(red7), QStringLiteral("7 rouge"));
        EXPECT_EQ(client::spokenTile(blackQueen), QStringLiteral("Dame noire"));
        EXPECT_EQ(client::spokenTile(blackKing), QStringLiteral("Roi noir"));
    }
    EXPECT_EQ(client::spokenTile(blackQueen), QStringLiteral("Black Queen"));
    // The game log's names in English are the protocol's own ("WILD" for the joker).
    EXPECT_EQ(client::shownTile(rules::kJoker), QStringLiteral("WILD"));
    EXPECT_EQ(client::shownTile(38), QStringLiteral("Red Queen"));
}

namespace {

// The paragraphs, list items and lines of each help page as shown, by topic.
std::map<int, QStringList> helpParagraphs() {
    windows::Thelp help(QStringLiteral("1.0.11"));
    std::map<int, QStringList> pages;
    for (const int tag : {1, 2, 3, 4, 5, 11})
        for (QTextBlock b = help.page(tag)->document()->begin(); b.isValid(); b = b.next())
            if (!b.text().trimmed().isEmpty()) pages[tag] << b.text();
    return pages;
}

} // namespace

// The help's paragraphs are looked up under the context the catalogues file them in (one that differs
// leaves the pages English however complete the catalogues are), each stays one paragraph, and the
// numbers and names the program fills in are filled in every language.
TEST(Catalogues, TheHelpPagesAreTranslated) {
    const std::map<int, QStringList> english = helpParagraphs();
    ASSERT_EQ(english.size(), 6U);
    static const QRegularExpression unfilled(QStringLiteral("%[1-9]"));
    for (const QString& code : kTranslated) {
        Speaking speaking(code);
        const std::map<int, QStringList> shown = helpParagraphs();
        for (const auto& [tag, paragraphs] : english) {
            const QStringList& translated = shown.at(tag);
            const std::string where = code.toStdString() + " topic " + std::to_string(tag);
            EXPECT_EQ(translated.size(), paragraphs.size()) << where;
            for (const QString& paragraph : paragraphs)
                EXPECT_FALSE(translated.contains(paragraph)) << where << ": " << paragraph.toStdString();
            for (const QString& paragraph : translated)
                EXPECT_FALSE(paragraph.contains(unfilled)) << where << ": " << paragraph.toStdString();
        }
        const QString overview = shown.at(1).join(QLatin1Char('\n'));
        for (const char* level : {"beginner", "classic", "strong", "expert", "master"})
            EXPECT_TRUE(overview.contains(windows::levelTitle(level))) << code.toStdString() << " " << level;
        EXPECT_TRUE(shown.at(2).join(QLatin1Char('\n')).contains(QStringLiteral("7772")))
            << code.toStdString();
        EXPECT_TRUE(shown.at(5).join(QLatin1Char('\n')).contains(QStringLiteral("1.0.11")))
            << code.toStdString();
    }
}

TEST(Languages, ChosenThenSystemThenEnglish) {
    using client::resolvedLanguage;
    EXPECT_EQ(resolvedLanguage("de", {"fr-FR"}), "de");
    EXPECT_EQ(resolvedLanguage("en", {"de-DE"}), "en");
    EXPECT_EQ(resolvedLanguage("", {"de-AT", "en-US"}), "de");
    EXPECT_EQ(resolvedLanguage("", {"ja-JP", "pt-BR"}), "pt");
    EXPECT_EQ(resolvedLanguage("", {"tr_TR"}), "tr");
    EXPECT_EQ(resolvedLanguage("xx", {"ja-JP"}), "en");
    EXPECT_EQ(resolvedLanguage("", {}), "en");
    // Every language has its own name and a catalogue (English is the program's own texts).
    const QList<client::Language> all = client::languages();
    ASSERT_EQ(all.size(), kTranslated.size() + 1);
    for (const client::Language& l : all) {
        EXPECT_FALSE(l.nativeName.isEmpty());
        EXPECT_TRUE(l.code == QLatin1String("en") || kTranslated.contains(l.code)) << l.code.toStdString();
    }
}

TEST(Languages, TheMenuKeepsTheChoiceForTheNextStart) {
    QString settingsFolder;
    {
        Harness h;
        auto* system = h.tchat.findChild<QAction*>(QStringLiteral("Language_system"));
        auto* german = h.tchat.findChild<QAction*>(QStringLiteral("Language_de"));
        ASSERT_NE(system, nullptr);
        ASSERT_NE(german, nullptr);
        EXPECT_TRUE(system->isChecked());
        EXPECT_EQ(german->text(), QStringLiteral("Deutsch"));
        german->trigger();
        EXPECT_TRUE(german->isChecked());
        EXPECT_EQ(client::SettingsFile().loadLanguage(), QStringLiteral("de"));
        auto* turkish = h.tchat.findChild<QAction*>(QStringLiteral("Language_tr"));
        ASSERT_NE(turkish, nullptr);
        EXPECT_EQ(turkish->text(), QStringLiteral("Türkçe"));
        // A window opened later (the next start) shows the choice.
        client::Tchat again;
        EXPECT_TRUE(again.findChild<QAction*>(QStringLiteral("Language_de"))->isChecked());
        EXPECT_FALSE(again.findChild<QAction*>(QStringLiteral("Language_system"))->isChecked());
        h.tchat.findChild<QAction*>(QStringLiteral("Language_system"))->trigger();
        EXPECT_EQ(client::SettingsFile().loadLanguage(), QString());
    }
}

namespace {

// Every text of `root` a player can see: labels, buttons, menus and their items, tooltips, window
// titles, the placeholder texts of fields.
QStringList shownTexts(QWidget* root) {
    QStringList texts{root->windowTitle(), root->toolTip()};
    for (auto* l : root->findChildren<QLabel*>()) {
        QString text = l->text();
        if (Qt::mightBeRichText(text) && l->textFormat() != Qt::PlainText) {
            QTextDocument d;
            d.setHtml(text);
            text = d.toPlainText();
        }
        texts << text << l->toolTip();
    }
    for (auto* b : root->findChildren<QAbstractButton*>())
        texts << b->text() << b->toolTip();
    for (auto* m : root->findChildren<QMenu*>())
        texts << m->title();
    for (auto* a : root->findChildren<QAction*>())
        if (!a->isSeparator()) texts << a->text() << a->toolTip();
    for (auto* e : root->findChildren<QLineEdit*>())
        texts << e->placeholderText();
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

// The English catalogue's texts as patterns: a %N stands for anything.
QList<QRegularExpression> englishPatterns() {
    QList<QRegularExpression> patterns;
    for (const Entry& e : readCatalogue(kTranslated.first()).entries) {
        for (const QString& form : {e.source, QString(e.source).remove(QLatin1Char('&'))}) {
            QString pattern = QRegularExpression::escape(form);
            // escape() puts a backslash before the % of a placeholder.
            pattern.replace(QRegularExpression(QStringLiteral("\\\\?%[1-9]")), QStringLiteral(".*"));
            patterns << QRegularExpression(QStringLiteral("^(?:%1)$").arg(pattern),
                                           QRegularExpression::DotMatchesEverythingOption);
        }
    }
    return patterns;
}

// What the window shows that is no text of its own: numbers and times, the players' names, the
// languages in their own words, the program's name and the tile sets.
bool isData(const QString& text) {
    static const QRegularExpression figures(QStringLiteral("^[-+0-9:., ]*$"));
    if (figures.match(text).hasMatch()) return true;
    // What the chat's buttons and smiley menu send: the player's own words, not the window's.
    static const QRegularExpression chat(QStringLiteral("^(/me |:\\S*#[0-9]+$)"));
    if (chat.match(text).hasMatch()) return true;
    static const QStringList names = [] {
        QStringList n{QStringLiteral("Rimbalo"), QStringLiteral("Ann"), QStringLiteral("Bob")};
        for (const client::Language& l : client::languages())
            n << l.nativeName;
        for (int seat = 1; seat <= 4; ++seat)
            n << client::Table::computerName(seat);
        return n;
    }();
    return names.contains(text);
}

void expectAllMarked(QWidget* root, const QList<QRegularExpression>& english) {
    for (const QString& text : shownTexts(root)) {
        if (isData(text)) continue;
        const bool known = std::any_of(english.begin(), english.end(), [&text](const QRegularExpression& p) {
            return p.match(text).hasMatch();
        });
        EXPECT_TRUE(known) << root->objectName().toStdString() << " shows \"" << text.toStdString()
                           << "\", which no catalogue holds";
    }
}

} // namespace

TEST(Languages, EveryShownTextIsInTheEnglishCatalogue) {
    const QList<QRegularExpression> english = englishPatterns();
    Harness h;
    h.login(1);
    h.feed("CMD_newplayerinfo+2+Bob+0");
    expectAllMarked(&h.tchat, english);
    windows::Tgamestart start;
    expectAllMarked(&start, english);
    windows::HostDialog host;
    expectAllMarked(&host, english);
    windows::JoinDialog join;
    expectAllMarked(&join, english);
}

namespace {

// Texts cut off in `root` as shown: a label's or button's text wider than its room (a panel label
// may draw itself smaller, but not cut), and menu titles that no longer fit the menu bar's one row.
QStringList cutTexts(QWidget* root) {
    QStringList cut;
    const auto describe = [](QWidget* w, const QString& text) {
        return QStringLiteral("%1 \"%2\" (%3 px)").arg(w->objectName(), text).arg(w->width());
    };
    for (auto* l : root->findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty() || l->wordWrap() || !l->pixmap().isNull()) continue;
        if (Qt::mightBeRichText(l->text()) && l->textFormat() != Qt::PlainText) continue;
        if (auto* fitting = dynamic_cast<client::FittingLabel*>(l)) {
            if (fitting->shownText() != l->text()) cut << describe(l, l->text());
            continue;
        }
        int widest = 0;
        for (const QString& line : l->text().split(QLatin1Char('\n')))
            widest = std::max(widest, l->fontMetrics().horizontalAdvance(line));
        if (widest > l->contentsRect().width() - 2 * l->margin()) cut << describe(l, l->text());
    }
    for (auto* l : root->findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty() || !l->wordWrap()) continue;
        if (l->heightForWidth(l->width()) > l->height()) cut << describe(l, l->text());
    }
    for (auto* b : root->findChildren<QAbstractButton*>()) {
        const QString text = QString(b->text()).remove(QLatin1Char('&'));
        if (!b->isVisible() || text.isEmpty()) continue;
        if (b->fontMetrics().horizontalAdvance(text) > b->width() - 4) cut << describe(b, text);
    }
    if (auto* bar = root->findChild<QMenuBar*>()) {
        const QList<QAction*> titles = bar->actions();
        for (QAction* a : titles) {
            const QRect g = bar->actionGeometry(a);
            if (g.right() >= bar->width() || g.top() != bar->actionGeometry(titles.first()).top())
                cut << QStringLiteral("menu %1").arg(a->text());
        }
    }
    return cut;
}

// With RIMBALO_LANGUAGE_SHOTS set to a folder, each window as measured is kept there as a picture
// (LANG-NAME.png) for a person to look at.
void keepPicture(QWidget* w, const QString& code) {
    const QString folder = qEnvironmentVariable("RIMBALO_LANGUAGE_SHOTS");
    if (folder.isEmpty()) return;
    w->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, code, w->objectName()));
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

TEST(Languages, EveryLanguageFitsTheSmallestWindow) {
    for (const QString& code : QStringList{"en"} + kTranslated) {
        Speaking speaking(code);
        const std::string lang = code.toStdString();
        {
            Harness h;
            h.login(1);
            h.feed("CMD_newplayerinfo+2+Bob+0");
            h.tchat.setArguments({"Ann"}); // waits for a full command line: connects nowhere
            h.tchat.show();
            h.tchat.resize(775, 580);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.tchat));
            settle();
            EXPECT_EQ(cutTexts(&h.tchat), QStringList()) << lang;
            keepPicture(&h.tchat, code);
        }
        const std::function<std::unique_ptr<QWidget>()> dialogs[] = {
            [] { return std::make_unique<windows::Tgamestart>(); },
            [] { return std::make_unique<windows::HostDialog>(); },
            [] { return std::make_unique<windows::JoinDialog>(); },
            [] { return std::make_unique<windows::Tdownload>(); }};
        for (const auto& make : dialogs) {
            const std::unique_ptr<QWidget> d = make();
            d->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(d.get()));
            settle();
            EXPECT_EQ(cutTexts(d.get()), QStringList()) << lang << " " << d->objectName().toStdString();
            keepPicture(d.get(), code);
        }
    }
}
