// The chat: what typing and the phrase buttons send, and how received lines, links and smilies show.

#include "harness.h"

#include "client/chat/chatview.h"
#include "client/chat/linktable.h"
#include "client/settings/settingsfile.h"
#include "protocol/text.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using namespace testing_client;

namespace {

struct Fragment {
    QString text;
    QColor colour;
    QString href;
    QString image;
};

// The pieces of line `n` of the chat view, as drawn.
std::vector<Fragment> fragments(const Harness& h, int n) {
    const QTextDocument* doc = h.tchat.findChild<QTextBrowser*>(QStringLiteral("mainchat"))->document();
    std::vector<Fragment> out;
    for (auto it = doc->findBlockByNumber(n).begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        out.push_back({it.fragment().text(), f.foreground().color(), f.anchorHref(),
                       f.isImageFormat() ? f.toImageFormat().name() : QString()});
    }
    return out;
}

void type(Harness& h, const QString& text) {
    auto* input = h.tchat.findChild<QLineEdit*>(QStringLiteral("mychat"));
    input->setText(text);
    QTest::keyClick(input, Qt::Key_Return);
}

} // namespace

TEST(ChatSend, LinesActionsAndOtherSlashTexts) {
    Harness h;
    type(h, QStringLiteral("hi"));
    EXPECT_TRUE(h.sent.empty()); // not logged in: nothing goes, the text stays
    EXPECT_EQ(h.tchat.findChild<QLineEdit*>(QStringLiteral("mychat"))->text(), "hi");

    h.login(2);
    type(h, QStringLiteral("a+b | c"));
    type(h, QStringLiteral("/me waves"));
    type(h, QStringLiteral("/quit"));
    ASSERT_EQ(h.sent.size(), 2u);
    EXPECT_EQ(h.sent[0], "CMD_chat+2+a+b | c|clBlack" + E);
    EXPECT_EQ(h.sent[1], "CMD_action+2+waves|clBlack" + E);
    EXPECT_TRUE(h.tchat.findChild<QLineEdit*>(QStringLiteral("mychat"))->text().isEmpty());
    EXPECT_EQ(h.chatLines().size(), 1); // only "You are Connected.": one's own line comes back relayed

    // A chosen colour goes with every later line and into the settings file.
    h.tchat.setColourChooser([](const QColor&) { return QColor(255, 0, 0); });
    h.action("TextColor1")->trigger();
    type(h, QStringLiteral("x"));
    EXPECT_EQ(h.sent.back(), "CMD_chat+2+x|clRed" + E);
    const QSettings ini(QDir(h.dir.path()).filePath(client::SettingsFile::kFileName), QSettings::IniFormat);
    EXPECT_EQ(ini.value("rimbalo/Textcolor").toString(), "clRed");
}

TEST(ChatSend, PhraseButtonsPassTheGateOnceEveryTwoSeconds) {
    Harness h;
    h.login(3);
    h.tchat.setPhrases({"/me dances", "Good One!", "", "", "", "", "", "", ""});
    auto click = [&](const char* name) {
        h.tchat.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    click("b_phrase1");
    click("b_phrase2");
    ASSERT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.sent[0], "CMD_action+3+dances|clBlack" + E);

    auto* gate = h.tchat.findChild<QTimer*>(QStringLiteral("phrasegate"));
    ASSERT_TRUE(gate && gate->isActive());
    EXPECT_EQ(gate->interval(), 2000);
    gate->start(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !gate->isActive(); }));
    click("b_phrase2");
    EXPECT_EQ(h.sent.back(), "CMD_action+3+says: Good One!|clBlack" + E);

    // The editor's texts are the buttons' tooltips and are kept in the settings file.
    const QSettings ini(QDir(h.dir.path()).filePath(client::SettingsFile::kFileName), QSettings::IniFormat);
    EXPECT_EQ(ini.value("rimbalo/Phrase1").toString(), "/me dances");
    EXPECT_EQ(h.tchat.findChild<QAbstractButton*>(QStringLiteral("b_phrase2"))->toolTip(), "Good One!");
}

TEST(ChatReceive, SenderColoursFollowTheLatestLineAndBadColoursShowRed) {
    Harness h;
    h.feed("CMD_chat+3+Bob chats: hi|clBlue");
    h.feed("CMD_chat+4+Cy chats: yo|clGreen");
    h.feed("CMD_action+3+Bob dances|$000000FF");
    EXPECT_EQ(h.chatLines()[0], "Bob chats: hi");
    EXPECT_EQ(h.chatLines()[2], " Bob dances"); // no ":": an empty head and a blank
    for (const Fragment& f : fragments(h, 0))
        EXPECT_EQ(f.colour, QColor(255, 0, 0)) << f.text.toStdString(); // Bob's earlier line follows
    EXPECT_EQ(fragments(h, 1)[0].colour, QColor(0, 128, 0));

    h.feed("CMD_chat+5+Di chats: a|b|clNavy"); // a typed "|" stays in the line
    h.feed("CMD_chat+6+Ed chats: plain");
    h.feed("CMD_chat+7+Fa chats: x|notacolour");
    EXPECT_EQ(h.lastLine(), "Fa chats: x");
    EXPECT_EQ(h.chatLines()[3], "Di chats: a|b");
    EXPECT_EQ(fragments(h, 3)[0].colour, QColor(0, 0, 128));
    EXPECT_EQ(fragments(h, 4)[0].colour, QColor(255, 0, 0));
    EXPECT_EQ(fragments(h, 5)[0].colour, QColor(255, 0, 0));
}

TEST(ChatReceive, NetworkTextIsShownAsTextOnOneLine) {
    Harness h;
    h.feed("CMD_chat+3+Bob chats: <b>x</b> <a href=\"file:///etc\">y</a>\nSystem: fake|clBlue");
    h.feed("CMD_chat+12+Bob chats: out of range|clBlue");
    ASSERT_EQ(h.chatLines().size(), 1);
    EXPECT_EQ(h.lastLine(), "Bob chats: <b>x</b> <a href=\"file:///etc\">y</a> System: fake");
    for (const Fragment& f : fragments(h, 0))
        EXPECT_TRUE(f.href.isEmpty());
}

TEST(ChatReceive, LinksAndSmilies) {
    Harness h;
    std::vector<QUrl> opened;
    auto* chat = h.tchat.findChild<client::ChatView*>();
    chat->setOpener([&](const QUrl& u) {
        opened.push_back(u);
        return u.host() != "down.example";
    });
    h.feed("CMD_chat+3+Bob chats: see (xwww.example.com) :)#12 http://down.example/a :)#99 "
           "javascript:alert(1) :)#1|clBlue");
    std::vector<Fragment> links;
    std::vector<QString> images;
    for (const Fragment& f : fragments(h, 0)) {
        if (!f.href.isEmpty()) links.push_back(f);
        if (!f.image.isEmpty()) images.push_back(f.image);
    }
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].text, "(xwww.example.com) ");
    EXPECT_EQ(links[0].colour, QColor(0, 128, 0));
    EXPECT_EQ(images, (std::vector<QString>{"smiley:2", "smiley:0", "smiley:0"}));

    chat->mainchatJump(0);
    chat->mainchatJump(1);
    chat->mainchatJump(7); // never stored
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl("http://www.example.com"));
    EXPECT_EQ(h.notices, (QStringList{"Cannot open Webpage", "Cannot open Webpage"}));

    // Clearing keeps the link numbers counting.
    h.action("ClearMainChat1")->trigger();
    EXPECT_TRUE(h.chatLines().isEmpty());
    h.feed("CMD_chat+3+Bob chats: www.again.org|clBlue");
    EXPECT_EQ(fragments(h, 0)[1].href, "#2");
}

TEST(LinkTable, NumbersRunFromZeroToAHundredThenRoundFromOne) {
    client::LinkTable t;
    EXPECT_EQ(t.store("www.first.com  "), 0);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(t.store(QString("www.%1.com ").arg(i)), i);
    EXPECT_EQ(t.store("www.late.com "), 1);
    EXPECT_EQ(t.entry(0), "www.first.com");
    EXPECT_EQ(t.entry(1), "www.late.com");
    EXPECT_EQ(t.entry(101), "");
    for (const char* notALink : {"http://", "ftp://files.example", "file:///etc/www.", "hello"})
        EXPECT_FALSE(client::LinkTable::isLink(notALink)) << notALink;
    EXPECT_EQ(client::LinkTable::address("HTTPS://Example.com/x?y=1,"), QUrl("https://Example.com/x?y=1"));
}

TEST(ChatInput, SmileyMenuPasteAndScrollItems) {
    Harness h;
    auto* input = h.tchat.findChild<QLineEdit*>(QStringLiteral("mychat"));
    h.action("smiley12")->trigger();
    h.action("smiley27")->trigger();
    EXPECT_EQ(input->text(), ":)#12:)#27");
    EXPECT_EQ(input->cursorPosition(), 10);

    h.action("ScrollChatOff2")->trigger();
    EXPECT_TRUE(h.action("ScrollChatOff1")->isChecked());
    h.action("ScrollChatOff1")->trigger();
    EXPECT_FALSE(h.action("ScrollChatOff2")->isChecked());
}

TEST(ChatInput, TakesAtMostTheLengthTheServerRelays) {
    Harness h;
    h.login(2);
    auto* input = h.tchat.findChild<QLineEdit*>(QStringLiteral("mychat"));
    input->setText(QString(5000, QLatin1Char('w')));
    EXPECT_EQ(input->text().size(), static_cast<qsizetype>(protocol::kMaxChatLength));
    QTest::keyClick(input, Qt::Key_Return);
    ASSERT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.sent[0], "CMD_chat+2+" + std::string(protocol::kMaxChatLength, 'w') + "|clBlack" + E);
}
