// What other players and servers can send that must not spoil the game: very long chat lines and
// floods of them, notices that pile up, and markup in names.

#include "harness.h"

#include "client/chat/chatview.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using namespace testing_client;

namespace {

// A chat view on screen (offscreen): lines off screen take their colour when scrolled into view.
struct ChatPanel {
    QWidget panel;
    client::ChatView chat{&panel};
    ChatPanel() {
        panel.resize(750, 520);
        panel.show();
    }
    QTextDocument* doc() const { return chat.view()->document(); }
    // The colour of every piece of line `n` that is neither a link nor a picture.
    std::vector<QColor> colours(int n) const {
        std::vector<QColor> out;
        for (auto it = doc()->findBlockByNumber(n).begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isAnchor() && !f.isImageFormat()) out.push_back(f.foreground().color());
        }
        return out;
    }
    bool allOf(int n, const QColor& c) const {
        const std::vector<QColor> got = colours(n);
        return !got.empty() && std::all_of(got.begin(), got.end(), [&](const QColor& x) { return x == c; });
    }
};

} // namespace

TEST(ChatFlood, AVeryLongLineShowsWholeWithItsLinksAndSmilies) {
    ChatPanel p;
    const QString words = QString(QStringLiteral("ab ")).repeated(11000); // 33,000 characters
    p.chat.addlinetochat(QStringLiteral("3+Eve: ") + words + QStringLiteral("www.example.org :)#12") + words,
                         Qt::red);
    EXPECT_EQ(p.doc()->blockCount(), 1);
    const QString shown = p.doc()->toPlainText();
    EXPECT_EQ(shown.size(), 5 + 2 * words.size() + 16 + 1); // head, blank, words, link, picture
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Eve: ab ab")));
    int links = 0, pictures = 0;
    for (auto it = p.doc()->begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        links += f.isAnchor() && it.fragment().text() == QStringLiteral("www.example.org ");
        pictures += f.isImageFormat();
    }
    EXPECT_EQ(links, 1);
    EXPECT_EQ(pictures, 1);
    EXPECT_TRUE(p.allOf(0, Qt::red));
}

TEST(ChatFlood, EarlierLinesFollowTheirSendersLatestColourOnly) {
    ChatPanel p;
    p.chat.addlinetochat(QStringLiteral("3+Cy: one www.a.org two"), Qt::red);
    p.chat.addlinetochat(QStringLiteral("4+Dee: other"), Qt::blue);
    p.chat.addSystemLine(QStringLiteral("Cy joined"));
    p.chat.addlinetochat(QStringLiteral("3+Cy: three"), Qt::darkYellow);
    EXPECT_TRUE(p.allOf(0, Qt::darkYellow));
    EXPECT_TRUE(p.allOf(1, Qt::blue));
    EXPECT_TRUE(p.allOf(2, client::ChatView::kSystemColour));
    EXPECT_TRUE(p.allOf(3, Qt::darkYellow));
    // The link keeps the link colour.
    int links = 0;
    for (auto it = p.doc()->begin().begin(); !it.atEnd(); ++it) {
        if (!it.fragment().charFormat().isAnchor()) continue;
        ++links;
        EXPECT_EQ(it.fragment().charFormat().foreground().color(),
                  p.chat.styleColour(client::ChatView::kLinkStyle));
    }
    EXPECT_EQ(links, 1);
}

TEST(ChatFlood, TheViewKeepsTheLatestLinesAndTheirColours) {
    using client::ChatView;
    ChatPanel p;
    const int total = ChatView::kMaxLines + ChatView::kTrimStep + 50;
    for (int i = 0; i < total; ++i) {
        const int slot = i % 2 ? 4 : 3;
        p.chat.addlinetochat(QStringLiteral("%1+P%1: line %2 www.x%2.org end").arg(slot).arg(i),
                             slot == 3 ? QColor(Qt::red) : QColor(Qt::blue));
    }
    const int kept = p.doc()->blockCount();
    EXPECT_LE(kept, ChatView::kMaxLines + ChatView::kTrimStep);
    EXPECT_GE(kept, ChatView::kMaxLines);
    EXPECT_EQ(p.doc()->lastBlock().text(), QStringLiteral("P4: line %1 www.x%1.org end").arg(total - 1));
    EXPECT_EQ(
        p.doc()->firstBlock().text(),
        QStringLiteral("P%1: line %2 www.x%2.org end").arg((total - kept) % 2 ? 4 : 3).arg(total - kept));

    // After old lines went, recolouring one sender still hits exactly that sender's text: at the
    // bottom of the view, and at its top once it is scrolled there.
    p.chat.addlinetochat(QStringLiteral("3+P3: again"), Qt::green);
    auto checkShown = [&] {
        const int first = p.chat.view()->cursorForPosition(QPoint(0, 0)).blockNumber();
        const QWidget* port = p.chat.view()->viewport();
        const int last =
            p.chat.view()->cursorForPosition(QPoint(port->width(), port->height())).blockNumber();
        ASSERT_LT(first, last);
        for (int n = first; n <= last; ++n) {
            const bool three = p.doc()->findBlockByNumber(n).text().startsWith(QStringLiteral("P3"));
            ASSERT_TRUE(p.allOf(n, three ? QColor(Qt::green) : QColor(Qt::blue))) << n;
        }
    };
    checkShown();
    p.chat.view()->verticalScrollBar()->setValue(0);
    checkShown();
    p.chat.view()->verticalScrollBar()->setValue(p.chat.view()->verticalScrollBar()->maximum() / 2);
    checkShown();
    p.chat.clear();
    p.chat.addlinetochat(QStringLiteral("4+P4: fresh"), Qt::black);
    p.chat.addlinetochat(QStringLiteral("3+P3: after"), Qt::magenta);
    EXPECT_EQ(p.doc()->toPlainText(), QStringLiteral("P4: fresh\nP3: after"));
    EXPECT_TRUE(p.allOf(0, Qt::black));
    EXPECT_TRUE(p.allOf(1, Qt::magenta));
}

TEST(Notices, AHandlerThatWaitsHoldsTheQueue) {
    client::GameConnection c;
    int depth = 0, deepest = 0;
    std::vector<std::string> handled;
    c.setCommandHandler([&](std::string_view e) {
        deepest = std::max(deepest, ++depth);
        handled.emplace_back(e);
        if (handled.size() == 1) { // the first handler waits in an event loop of its own
            QEventLoop wait;
            QTimer::singleShot(20, &wait, &QEventLoop::quit);
            wait.exec();
        }
        --depth;
    });
    std::string burst;
    for (int i = 0; i < 50; ++i)
        burst += "CMD_n+" + std::to_string(i) + E;
    c.receive(burst);
    QTRY_COMPARE_WITH_TIMEOUT(handled.size(), std::size_t{50}, 5000);
    EXPECT_EQ(deepest, 1);
    ASSERT_FALSE(handled.empty());
    EXPECT_EQ(handled.front(), "CMD_n+0");
    EXPECT_EQ(handled.back(), "CMD_n+49");
}

TEST(Notices, GameIsFullShowsOneBoxAndEndsTheConnection) {
    QTemporaryDir dir;
    client::FileLocations::setProgramFolder(dir.path());
    client::FileLocations::setUserFolder(dir.path());
    {
        client::Tchat tchat;
        QSignalSpy closed(&tchat, &client::Tchat::closed);
        std::string burst;
        for (int i = 0; i < 300; ++i)
            burst += "CMD_full+" + E + "CMD_chat+2+Bob: after the notice|clRed" + E;
        tchat.connection().receive(burst);
        QTRY_VERIFY_WITH_TIMEOUT(tchat.connection().halted(), 3000);
        QCoreApplication::processEvents();
        tchat.connection().receive("CMD_full+" + E);
        QCoreApplication::processEvents();
        const auto boxes = tchat.findChildren<QMessageBox*>(QStringLiteral("notice"));
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes.front()->text(), "Game is full");
        EXPECT_FALSE(tchat.findChild<QTextBrowser*>(QStringLiteral("mainchat"))
                         ->toPlainText()
                         .contains(QStringLiteral("after the notice")));
        EXPECT_EQ(tchat.connection().queued(), 0u);
        EXPECT_EQ(closed.size(), 0); // the player reads the notice first
        boxes.front()->button(QMessageBox::Ok)->click();
        QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 1, 3000);
    }
    client::FileLocations::setProgramFolder({});
    client::FileLocations::setUserFolder({});
}

TEST(Markup, NamesAndServerTextsShowAsTheyAre) {
    const QString heading = QStringLiteral("<h1><u>EVE</u></h1>");
    const QString picture = QStringLiteral("<img src='file:///etc/passwd'>");
    Harness h;
    h.login(1, QStringLiteral("Ann"));
    h.feed("CMD_existingplayers+1+Ann+0+2+" + heading.toStdString() + "+0+3+" + picture.toStdString() + "+0");
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    h.feed("CMD_nextplayer+2+62+1+0+14+2+0+14+3+0+14+4+0+0");
    EXPECT_EQ(h.text("label_playername2"), heading);
    EXPECT_EQ(h.text("label_status"), heading + QStringLiteral("'s turn."));
    h.feed("CMD_winner+" + picture.toStdString() + "+");
    EXPECT_EQ(h.text("label_winner1"), picture + QStringLiteral(" has Won the Game!"));

    // Every label that shows one of the names shows it as text, one line of its own font high.
    Harness plain;
    plain.login(1, QStringLiteral("Ann"));
    plain.feed("CMD_existingplayers+1+Ann+0+2+EVE+0");
    const int lineHigh =
        plain.tchat.findChild<QLabel*>(QStringLiteral("label_playername2"))->sizeHint().height();
    int shown = 0;
    for (QLabel* l : h.tchat.findChildren<QLabel*>()) {
        if (!l->text().contains(heading) && !l->text().contains(picture)) continue;
        ++shown;
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
    }
    EXPECT_GE(shown, 4);
    EXPECT_EQ(h.tchat.findChild<QLabel*>(QStringLiteral("label_playername2"))->sizeHint().height(), lineHigh);
}
