// The phrase editor: the nine texts in, the edited nine out with "Done".

#include "windows/tphrases.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(Tphrases, ShowsTheGivenPhrasesAndHandsBackTheEditedOnes) {
    windows::Tphrases w;
    windows::Tphrases::Phrases given{"a", "b", "c", "d", "e", "f", "g", "h", "i"};
    w.showWith(given, nullptr);
    auto* third = w.findChild<QLineEdit*>(QStringLiteral("phrase3"));
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->text(), "c");
    EXPECT_EQ(third->maxLength(), 50);

    third->setText(QStringLiteral("Hello"));
    std::optional<windows::Tphrases::Phrases> chosen;
    QObject::connect(&w, &windows::Tphrases::phrasesChosen, [&](const auto& p) { chosen = p; });
    w.findChild<QAbstractButton*>(QStringLiteral("button_done"))->click();
    ASSERT_TRUE(chosen);
    given[2] = "Hello";
    EXPECT_EQ(*chosen, given);
    EXPECT_FALSE(w.isVisible());
}
