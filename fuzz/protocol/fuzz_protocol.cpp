// Arbitrary bytes through the frame buffer and every message reader. Whatever a reader accepts must
// survive being written and read again unchanged.

#include "protocol/framebuffer.h"
#include "protocol/messages.h"
#include "protocol/text.h"

#include <cstdint>
#include <cstdlib>

namespace {

template <class M> void check(std::string_view word, std::string_view args) {
    if (word != M::word) return;
    const auto first = protocol::decode<M>(args);
    if (!first) return;
    const std::string wire = protocol::encode(*first);
    const std::string entry = wire.substr(0, wire.find(protocol::kEndMarker));
    if (entry == M::word) return; // a list command with an empty list is the bare word, which nobody sends
    const protocol::Command again = protocol::splitCommand(entry);
    const auto second = protocol::decode<M>(again.args);
    if (again.word != M::word || !second || !(second->fields() == first->fields())) std::abort();
}

template <class... M> void checkAll(std::string_view word, std::string_view args) {
    (check<M>(word, args), ...);
}

void readEntry(std::string_view entry) {
    using namespace protocol::toserver;
    using namespace protocol::toclient;
    const protocol::Command c = protocol::splitCommand(entry);
    checkAll<LoginInfo, KickHim, protocol::toserver::Chat, protocol::toserver::Action, protocol::StartGame,
             JustWatch, PlaceMyTile, protocol::toserver::SwapTiles, ReplaceTile, protocol::toserver::UndoThem,
             Finish, DrawCard, ClickYes, Pause, protocol::toserver::PlayASound, BotSpeed>(c.word, c.args);
    checkAll<SendLoginInfo, Full, NewPlayerInfo, ExistingPlayers, HaveWrongVersion, WrongVersion, LoadStats,
             LoadBoard, YourTiles, PlayerDisconnected, JustWatching, protocol::toclient::Chat,
             protocol::toclient::Action, protocol::toclient::PlayASound, GamePause, StartRound, NextPlayer,
             PlaceHisTile, FreeCard, protocol::toclient::SwapTiles, RemoveTile, protocol::toclient::UndoThem,
             MovedTiles, NotEnough, AskPenalty, Incomplete, NoMoreTiles, NoMoreRoom, NoTime, EndRound, Winner,
             NoUse, TeamScore, ShowDraw>(c.word, c.args);
    // Names are cleaned before they are sent: the result never holds a separator or the end marker.
    const std::string name = protocol::cleanName(entry);
    if (name.find('+') != std::string::npos || name.find(protocol::kEndMarker) != std::string::npos)
        std::abort();
    protocol::splitColour(entry);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte chooses how the stream is cut into deliveries.
    if (size == 0) return 0;
    const std::size_t chunk = 1 + data[0] % 64;
    std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
    protocol::FrameBuffer buffer(4096);
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < stream.size(); i += chunk) {
        if (!buffer.append(stream.substr(i, chunk), entries)) break;
    }
    for (const std::string& entry : entries)
        readEntry(entry);
    return 0;
}
