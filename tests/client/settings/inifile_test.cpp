// The shared settings file: our changes must leave every other byte of it alone.

#include "client/settings/inifile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using client::IniFile;

TEST(IniFile, OtherSectionsCommentsAndLineEndsSurviveAChange) {
    const QByteArray original =
        "; lobby settings\r\n[VemkoLobby]\r\nPath=C:\\Program Files\\Vemko\\VemkoLobby.exe\r\n"
        "Servers=a, b, c\r\n\r\n[rimbalo]\r\nTop=3\r\n\r\n[other]\r\nx = 1\r\n";
    IniFile ini;
    ini.setText(original);
    ini.setValue("RIMBALO", "top", "100");
    ini.setValue("rimbalo", "Phrase6", "Wow, WTG!");
    const QByteArray expected =
        "; lobby settings\r\n[VemkoLobby]\r\nPath=C:\\Program Files\\Vemko\\VemkoLobby.exe\r\n"
        "Servers=a, b, c\r\n\r\n[rimbalo]\r\nTop=100\r\nPhrase6=Wow, WTG!\r\n\r\n[other]\r\nx = 1\r\n";
    EXPECT_EQ(ini.text(), expected);
    EXPECT_EQ(ini.value("other", "X").value_or(""), "1");
    EXPECT_EQ(ini.value("rimbalo", "phrase6").value_or(""), "Wow, WTG!");
    EXPECT_EQ(ini.value("VemkoLobby", "Path").value_or(""), "C:\\Program Files\\Vemko\\VemkoLobby.exe");
}

TEST(IniFile, NewSectionsAndErasedSections) {
    IniFile ini;
    ini.setText("[agame]\nSortby=2\n[keep]\na=b=c\n");
    EXPECT_TRUE(ini.hasKeys("AGAME"));
    EXPECT_EQ(ini.value("keep", "a").value_or(""), "b=c");
    ini.eraseSection("agame");
    ini.setValue("rimbalo", "Sortby", "2");
    EXPECT_EQ(ini.text(), "[keep]\na=b=c\n\n[rimbalo]\nSortby=2\n");
    EXPECT_FALSE(ini.hasKeys("agame"));

    IniFile empty;
    empty.setText("");
    empty.setValue("rimbalo", "Top", "3");
    EXPECT_EQ(empty.text(), "[rimbalo]\nTop=3\n");
    // A value cannot break out of its line.
    empty.setValue("rimbalo", "Phrase1", "a\nb=c");
    EXPECT_EQ(empty.value("rimbalo", "Phrase1").value_or(""), "a b=c");
}

TEST(IniFile, IntegersFallBackOnAnythingUnreadable) {
    IniFile ini;
    ini.setText("[s]\nA=12\nB=12px\nC=\nD=-4\n");
    EXPECT_EQ(ini.intValue("s", "A", 7), 12);
    EXPECT_EQ(ini.intValue("s", "B", 7), 7);
    EXPECT_EQ(ini.intValue("s", "C", 7), 7);
    EXPECT_EQ(ini.intValue("s", "D", 7), -4);
    EXPECT_EQ(ini.intValue("s", "E", 7), 7);
}

TEST(IniFile, SavingReplacesTheFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("vemkolobby.ini");
    IniFile ini;
    ini.setText("[rimbalo]\nTop=3\n");
    ASSERT_TRUE(ini.save(path));
    IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.text(), "[rimbalo]\nTop=3\n");
    // A path that cannot be written leaves nothing half-written and says why.
    QString error;
    EXPECT_FALSE(ini.save(dir.filePath("missing/folder/vemkolobby.ini"), &error));
    EXPECT_FALSE(error.isEmpty());
}
