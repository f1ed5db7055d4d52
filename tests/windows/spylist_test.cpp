// The onlooker list's pop-up menu, as the host uses it.

#include "windows/tspylist.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

using windows::Tspylist;

TEST(SpyList, RemoveFromGameActsOnTheEntryUnderTheMenu) {
    Tspylist s;
    EXPECT_FALSE(s.isVisible());
    auto* list = s.findChild<QListWidget*>(QStringLiteral("listbox_spys"));
    auto* kick = s.findChild<QAction*>(QStringLiteral("popup_kickhim"));
    ASSERT_TRUE(list && kick);
    EXPECT_EQ(kick->text(), "Remove From Game");
    EXPECT_FALSE(kick->isEnabled());
    s.setKickEnabled(true);
    s.addEntry(6, QStringLiteral("Zed"));
    s.addEntry(7, QStringLiteral("Amy: the 2nd"));
    s.show();
    QSignalSpy kicks(&s, &Tspylist::kickRequested);
    auto menuAt = [&](const QPoint& pos) {
        emit list->customContextMenuRequested(pos);
        s.findChild<QMenu*>(QStringLiteral("popup_kick"))->hide();
    };

    // Opened over an empty part of the list: nothing.
    menuAt(QPoint(5, list->viewport()->height() - 3));
    kick->trigger();
    EXPECT_EQ(kicks.size(), 0);

    // The entry under the menu is the one removed, even when others came and went meanwhile.
    menuAt(list->visualItemRect(list->item(1)).center());
    s.removeEntry(QStringLiteral("6: Zed"));
    s.addEntry(8, QStringLiteral("Bo"));
    kick->trigger();
    ASSERT_EQ(kicks.size(), 1);
    EXPECT_EQ(kicks[0][0].toInt(), 7);

    // An entry that left while the menu was open is not removed again.
    menuAt(list->visualItemRect(list->item(1)).center());
    s.removeEntry(QStringLiteral("8: Bo"));
    kick->trigger();
    EXPECT_EQ(kicks.size(), 1);
}
