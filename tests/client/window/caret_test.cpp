// The chat input's caret rests a while after the last key, so an idle window makes no wakeups.

#include "harness.h"

#include "client/chat/chatinput.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

using namespace testing_client;
using client::ChatInput;

namespace {

// Counts the timer events the input and its parts receive: its caret's blinking.
struct BlinkCounter : QObject {
    QWidget* input = nullptr;
    int blinks = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && (watched == input || watched->parent() == input)) ++blinks;
        return false;
    }
    int blinksDuring(int ms) {
        blinks = 0;
        QTest::qWait(ms);
        return blinks;
    }
};

struct FlashTime {
    int saved = QGuiApplication::styleHints()->cursorFlashTime();
    explicit FlashTime(int ms) { QGuiApplication::styleHints()->setCursorFlashTime(ms); }
    ~FlashTime() { QGuiApplication::styleHints()->setCursorFlashTime(saved); }
};

} // namespace

TEST(Caret, StopsBlinkingAfterTheLastKeyAndBlinksAgainOnTheNext) {
    const FlashTime fast(20); // a blink every 10 ms
    Harness h;
    h.tchat.setArguments({"Ann"}); // connects nowhere
    auto* chat = h.tchat.findChild<ChatInput*>();
    QLineEdit* input = chat->input();
    auto* rest = h.tchat.findChild<QTimer*>("caretrest");
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(rest->interval(), ChatInput::kCaretRestMs);
    h.tchat.show();
    h.tchat.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.tchat));
    input->setFocus();
    BlinkCounter counter;
    counter.input = input;
    qApp->installEventFilter(&counter);

    QTest::keyClick(input, Qt::Key_A);
    EXPECT_TRUE(rest->isActive());
    EXPECT_GT(counter.blinksDuring(60), 0);

    chat->restCaret(); // what the rest timer does when it runs out
    EXPECT_TRUE(chat->caretResting());
    EXPECT_FALSE(rest->isActive());
    EXPECT_EQ(counter.blinksDuring(60), 0);

    // A key wakes it, with the blink period it had.
    QTest::keyClick(input, Qt::Key_B);
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 20);
    EXPECT_TRUE(rest->isActive());
    EXPECT_GT(counter.blinksDuring(60), 0);
    EXPECT_EQ(input->text(), "ab");

    // Leaving the input gives the other text fields their blinking back and stops the rest timer.
    chat->restCaret();
    auto* other = new QLineEdit(&h.tchat);
    other->show();
    other->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(chat->caretResting());
    EXPECT_FALSE(rest->isActive());
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 20);
    qApp->removeEventFilter(&counter);
}

TEST(Caret, AWindowClosedWhileTheCaretRestsGivesTheBlinkingBack) {
    const FlashTime normal(1000);
    {
        Harness h;
        h.tchat.findChild<ChatInput*>()->restCaret();
        EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 0);
    }
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 1000);
}
