#include "client/table/rackmodel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using client::Hand;
using client::RackModel;
using Items = std::vector<rules::RackItem>;

TEST(RackModel, DealsAppendInArrivalOrderAndAResentCellKeepsItsSlot) {
    RackModel r;
    std::vector<std::pair<std::vector<int>, bool>> dealt;
    QObject::connect(&r, &RackModel::dealt, [&dealt](const std::vector<int>& added, bool drawn) {
        dealt.emplace_back(added, drawn);
    });
    ASSERT_TRUE(r.deal({{3, 14}, {1, 53}, {2, 40}}));
    EXPECT_EQ(r.order(), (std::vector<int>{3, 1, 2}));
    r.sort(false);
    ASSERT_TRUE(r.deal({{7, 5}, {1, 52}})); // a draw and a cell sent again
    EXPECT_EQ(r.order(), (std::vector<int>{3, 2, 1, 7}));
    EXPECT_EQ(r.code(1), 52);
    ASSERT_EQ(dealt.size(), 2);
    EXPECT_EQ(dealt[0].first, (std::vector<int>{3, 1, 2}));
    EXPECT_FALSE(dealt[0].second); // the round's deal
    EXPECT_EQ(dealt[1].first, std::vector<int>{7});
    EXPECT_TRUE(dealt[1].second); // joined tiles already there: drawn

    // A list with a cell off the rack or a code that is no tile changes nothing at all.
    QSignalSpy changed(&r, &RackModel::changed);
    for (const Items& bad : {Items{{8, 5}, {61, 5}}, Items{{8, 5}, {0, 5}}, Items{{8, 5}, {9, 54}}})
        EXPECT_FALSE(r.deal(bad));
    EXPECT_EQ(r.size(), 4);
    EXPECT_EQ(r.code(8), 0);
    EXPECT_EQ(changed.size(), 0);
    EXPECT_EQ(dealt.size(), 2u);
}

TEST(RackModel, LaidTilesStayOutOfTheRackUntilTheServerTakesThemOrRefuses) {
    RackModel r;
    r.deal({{1, 5}, {2, 6}, {3, 7}, {4, 8}});
    r.layOnBoard(3);
    r.layOnBoard(4);
    EXPECT_EQ(r.inRack(), (std::vector<int>{1, 2}));
    EXPECT_EQ(r.tiles().tilecount(), 2);
    EXPECT_EQ(r.code(3), 7); // still the server's until it frees the cell
    // An earlier tile leaving closes the gap but brings no laid tile back.
    r.remove(1);
    r.remove(3);
    EXPECT_EQ(r.order(), (std::vector<int>{2, 4}));
    EXPECT_EQ(r.inRack(), std::vector<int>{2});
    EXPECT_TRUE(r.onBoard(4));
    // The server never took cell 4: at the take-back it is in the rack again.
    r.returnLaid();
    EXPECT_EQ(r.inRack(), (std::vector<int>{2, 4}));
    r.remove(9); // a cell the rack does not hold
    r.layOnBoard(9);
    EXPECT_EQ(r.size(), 2);
    EXPECT_FALSE(r.onBoard(9));
}

TEST(RackModel, SortsStablyWithJokersLastAndSwapsSlots) {
    RackModel r;
    r.deal({{1, 39}, {2, 53}, {3, 2}, {4, 52}, {5, 14}}); // Red 13, joker, Green 2, Black 13, Orange 1
    r.sort(true);
    EXPECT_EQ(r.order(), (std::vector<int>{5, 3, 1, 4, 2}));
    r.sort(false);
    EXPECT_EQ(r.order(), (std::vector<int>{3, 5, 1, 4, 2}));
    r.swap(3, 2);
    EXPECT_EQ(r.order(), (std::vector<int>{2, 5, 1, 4, 3}));
    EXPECT_EQ(r.slotOf(3), 5);
    r.swap(3, 9); // not in the rack: nothing moves
    EXPECT_EQ(r.slotOf(3), 5);
}

TEST(RackModel, TheHandIsToldOnlyOfRealChangesAndGoesWithItsRack) {
    RackModel r;
    r.deal({{1, 5}, {2, 6}});
    QSignalSpy held(&r, &RackModel::heldChanged);
    r.setCompletion(Hand::Completion::Run);
    r.pickFromRack(2);
    EXPECT_EQ(r.held().rackCell(), 2);
    EXPECT_EQ(r.held().code(), 6);
    r.pickFromRack(2);
    EXPECT_EQ(held.size(), 2);
    r.emptyHand(); // the completion stays for the next tile
    EXPECT_FALSE(r.held().holding());
    EXPECT_EQ(r.held().completion(), Hand::Completion::Run);
    r.resetHand();
    EXPECT_EQ(r.held().completion(), Hand::Completion::None);

    // A tile lifted off the board stays in hand when the rack goes; a rack tile goes with it.
    r.liftFromBoard(4, 5, 30);
    r.clear();
    EXPECT_TRUE(r.held().fromBoard());
    EXPECT_EQ(r.size(), 0);
    r.deal({{1, 5}});
    r.resetHand();
    r.pickFromRack(1);
    r.clear();
    EXPECT_FALSE(r.held().holding());
}

} // namespace
