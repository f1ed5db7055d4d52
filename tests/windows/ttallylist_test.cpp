#include "windows/ttallylist.h"

#include "tally/lzrw1kh.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using windows::Ttallylist;

namespace {

struct TallyFixture : ::testing::Test {
    QTemporaryDir dir;
    QStringList messages;
    QStringList questions;
    bool answer = true;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    Ttallylist::Files files() const {
        return {path("rimbalotally.tld"), path("agametally.tld"), path("rimbalotally.tld")};
    }
    std::unique_ptr<Ttallylist> open() {
        auto w = std::make_unique<Ttallylist>(files());
        w->setMessageBox([this](const QString& m) { messages << m; });
        w->setQuestion([this](const QString& q) {
            questions << q;
            return answer;
        });
        w->load();
        return w;
    }
    static void writeTally(const QString& file, const tally::Tally& t) {
        const tally::Bytes b = tally::compressText(t.toText());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(b.data()), static_cast<qint64>(b.size()));
    }
    static QString text(const Ttallylist& w, const char* name) {
        return w.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    static QListWidget* list(const Ttallylist& w, const char* name) {
        return w.findChild<QListWidget*>(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(TallyFixture, TicksGamesAndSessionsSurviveARestart) {
    {
        auto w = open();
        w->showWith({"Ann", "Bob"}, nullptr);
        list(*w, "checklist")->item(0)->setCheckState(Qt::Checked);
        ASSERT_EQ(list(*w, "listbox_tally")->count(), 1);
        w->addgame("Ann", {"Ann", "Bob"});
        w->addgame("addtomine", {"Ann", "Bob"});
        list(*w, "listbox_tally")->setCurrentRow(0);
        EXPECT_EQ(text(*w, "mylabel_1"), "2");
        EXPECT_EQ(text(*w, "mylabel_2"), "1");
        EXPECT_EQ(text(*w, "label_hisname"), "Ann Wins:");
        EXPECT_EQ(text(*w, "label_hisnametop"), "Ann's Tally");
        EXPECT_EQ(text(*w, "label_2"), "1");
        EXPECT_EQ(text(*w, "label_7"), "1");
        // Unticking a tallied name among the players does not stop its tally.
        list(*w, "checklist")->item(0)->setCheckState(Qt::Unchecked);
        EXPECT_EQ(w->tally().find("Ann"), 1);
    }
    auto w = open();
    list(*w, "listbox_tally")->setCurrentRow(0);
    EXPECT_EQ(list(*w, "listbox_tally")->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(text(*w, "mylabel_1"), "2");
    EXPECT_EQ(text(*w, "label_1"), "2");
    EXPECT_EQ(text(*w, "label_5"), "0"); // a new session
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(QFile::exists(path("temp.txt")));
}

TEST_F(TallyFixture, OlderFileIsTakenOverOnce) {
    tally::Tally older, newer;
    older.addPlayer("Old");
    newer.addPlayer("New");
    writeTally(path("agametally.tld"), older);
    writeTally(path("rimbalotally.tld"), newer);
    open();
    EXPECT_FALSE(QFile::exists(path("agametally.tld")));
    auto again = open();
    EXPECT_EQ(again->tally().find("Old"), 1);
    EXPECT_EQ(again->tally().find("New"), 0);
}

TEST_F(TallyFixture, UnreadableFileIsKeptAsideAndNotOverwritten) {
    {
        QFile f(path("rimbalotally.tld"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a tally");
    }
    auto w = open();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("this file has no valid header !"));
    EXPECT_EQ(w->tally().rows().size(), 1u);
    w->addgame("Zed", {"Zed"});
    QFile bad(path("rimbalotally.tld.bad"));
    ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
    EXPECT_EQ(bad.readAll(), "not a tally");
    w.reset();
    EXPECT_EQ(open()->tally().own().count(1), 1);
}

TEST_F(TallyFixture, EveryUnreadableFileIsKeptAside) {
    for (const char* content : {"first", "second", "third"}) {
        QFile f(path("rimbalotally.tld"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        open();
    }
    const char* const names[] = {"rimbalotally.tld.bad", "rimbalotally.tld.bad2", "rimbalotally.tld.bad3"};
    const char* const contents[] = {"first", "second", "third"};
    for (int i = 0; i < 3; ++i) {
        QFile bad(path(names[i]));
        ASSERT_TRUE(bad.open(QIODevice::ReadOnly)) << names[i];
        EXPECT_EQ(bad.readAll(), contents[i]);
    }
    EXPECT_TRUE(messages.last().contains("rimbalotally.tld.bad3"));
}

TEST_F(TallyFixture, AFailedSaveIsToldOnceUntilSavingWorksAgain) {
    // A "folder" that is a plain file cannot be written in, not even by an administrator.
    const QString blocked = path("blocked");
    {
        QFile f(blocked);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString file = blocked + QStringLiteral("/rimbalotally.tld");
    Ttallylist w({file, QString(), file});
    QStringList told;
    QObject::connect(&w, &Ttallylist::saveFailed, [&told](const QString& t) { told << t; });
    w.load();
    w.addgame("addtomine", {});
    w.addgame("Zed", {"Zed"});
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("The tally could not be saved to ")) << told[0].toStdString();
    ASSERT_TRUE(QFile::remove(blocked));
    ASSERT_TRUE(QDir(dir.path()).mkdir("blocked"));
    w.addgame("addtomine", {});
    EXPECT_TRUE(QFile::exists(file));
    ASSERT_TRUE(QDir(blocked).removeRecursively());
    ASSERT_TRUE(QFile(blocked).open(QIODevice::WriteOnly));
    w.addgame("addtomine", {});
    EXPECT_EQ(told.size(), 2); // failing again after a good save is told again
}

TEST_F(TallyFixture, UntickingAsksAndResetClearsEverything) {
    auto w = open();
    w->showWith({"Ann", "Bob"}, nullptr);
    list(*w, "checklist")->item(0)->setCheckState(Qt::Checked);
    list(*w, "checklist")->item(1)->setCheckState(Qt::Checked);
    QListWidget* tallied = list(*w, "listbox_tally");
    answer = false;
    tallied->item(0)->setCheckState(Qt::Unchecked);
    QCoreApplication::processEvents();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], "This will delete Ann's Tally, Are you want to delete it?");
    EXPECT_EQ(tallied->item(0)->checkState(), Qt::Checked);
    answer = true;
    tallied->item(0)->setCheckState(Qt::Unchecked);
    QCoreApplication::processEvents();
    ASSERT_EQ(tallied->count(), 1);
    EXPECT_EQ(tallied->item(0)->text(), "Bob");
    EXPECT_EQ(w->tally().find("Bob"), 1);
    EXPECT_EQ(list(*w, "checklist")->item(0)->checkState(), Qt::Unchecked);

    w->addgame("addtomine", {"Bob"});
    answer = false;
    w->findChild<QAbstractButton*>("button_reset")->click();
    EXPECT_EQ(text(*w, "mylabel_1"), "1");
    answer = true;
    w->findChild<QAbstractButton*>("button_reset")->click();
    EXPECT_EQ(questions.last(), "Are you sure you want to reset the Tally?");
    EXPECT_EQ(text(*w, "mylabel_1"), "0");
    EXPECT_EQ(tallied->count(), 0);
    EXPECT_EQ(w->tally().rows().size(), 1u);
}

TEST_F(TallyFixture, StatisticsAreAskedForBesideTheTally) {
    auto w = open();
    QSignalSpy asked(w.get(), &Ttallylist::statisticsRequested);
    auto* button = w->findChild<QAbstractButton*>(QStringLiteral("button_statistics"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(asked.size(), 1);
}
