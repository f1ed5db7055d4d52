#pragma once
// Every command of the game protocol as a typed message: encode(msg) writes it, decode<T>(args) reads
// the argument text of a received one. Fields are in wire order.

#include "codec.h"
#include "words.h"

#include <type_traits>

namespace protocol {

#define RIMBALO_WORD(Word, TailKind)                                                                         \
    static constexpr std::string_view word = words::Word;                                                    \
    static constexpr Tail tail = Tail::TailKind;

// Per-seat figures that travel in lists of four, seat by seat.
struct SeatStats { // CMD_loadstats
    int seat = 0;
    int score = 0;
    int tilecount = 0;
    bool justwatching = false;
    bool notplaying = false;
    RIMBALO_FIELDS(seat, score, tilecount, justwatching, notplaying)
    bool operator==(const SeatStats&) const = default;
};
struct SeatCount { // CMD_nextplayer
    int seat = 0;
    int score = 0;
    int tilecount = 0;
    RIMBALO_FIELDS(seat, score, tilecount)
    bool operator==(const SeatCount&) const = default;
};
struct SeatResult { // CMD_endround
    int seat = 0;
    int score = 0;
    int points = 0;
    int tilecount = 0;
    RIMBALO_FIELDS(seat, score, points, tilecount)
    bool operator==(const SeatResult&) const = default;
};
struct PlayerEntry { // CMD_existingplayers
    int slot = 0;
    std::string name;
    int justwatching = 0; // 1 when the seat's human just watches, else 0
    RIMBALO_FIELDS(slot, name, justwatching)
    bool operator==(const PlayerEntry&) const = default;
};

// The game options, sent by the host's start dialog and echoed to all.
struct StartGame {
    RIMBALO_WORD(startgame, Plus)
    std::string hostname;
    int target = 0;
    int seconds = 0;
    bool timepenalty = false;
    bool teamgame = false;
    int tiles = 0;
    RIMBALO_FIELDS(hostname, target, seconds, timepenalty, teamgame, tiles)
};

namespace toserver {

struct LoginInfo {
    RIMBALO_WORD(logininfo, TwoEnds)
    int slot = 0;
    std::string version;
    FreeText name;
    RIMBALO_FIELDS(slot, version, name)
};
struct KickHim {
    RIMBALO_WORD(kickhim, Plus)
    int slot = 0;
    int target = 0;
    RIMBALO_FIELDS(slot, target)
};
struct Chat {
    RIMBALO_WORD(chat, None)
    int slot = 0;
    FreeText text; // the line, "|", the colour
    RIMBALO_FIELDS(slot, text)
};
struct Action {
    RIMBALO_WORD(action, None)
    int slot = 0;
    FreeText text; // the action, "|", the colour
    RIMBALO_FIELDS(slot, text)
};
using StartGame = protocol::StartGame;
struct JustWatch {
    RIMBALO_WORD(justwatch, None)
    int slot = 0;
    int flag = 0; // 1 just watch, 2 play again
    RIMBALO_FIELDS(slot, flag)
};
struct PlaceMyTile {
    RIMBALO_WORD(placemytile, Plus)
    int seat = 0;
    int cell = 0;
    int column = 0;
    int row = 0;
    RIMBALO_FIELDS(seat, cell, column, row)
};
struct SwapTiles {
    RIMBALO_WORD(swaptiles, Plus)
    int seat = 0;
    int tocolumn = 0;
    int torow = 0;
    int fromcolumn = 0;
    int fromrow = 0;
    RIMBALO_FIELDS(seat, tocolumn, torow, fromcolumn, fromrow)
};
struct ReplaceTile {
    RIMBALO_WORD(replacetile, Plus)
    int seat = 0;
    int column = 0;
    int row = 0;
    RIMBALO_FIELDS(seat, column, row)
};
struct UndoThem {
    RIMBALO_WORD(undothem, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct Finish {
    RIMBALO_WORD(finish, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct DrawCard {
    RIMBALO_WORD(drawcard, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct ClickYes {
    RIMBALO_WORD(clickyes, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct Pause {
    RIMBALO_WORD(pause, Plus)
    int slot = 0;
    int flag = 0; // 1 pause, 0 resume
    RIMBALO_FIELDS(slot, flag)
};
struct PlayASound {
    RIMBALO_WORD(playasound, Plus)
    int slot = 0;
    std::string sound; // "wave" and the sound number
    RIMBALO_FIELDS(slot, sound)
};
struct BotSpeed {
    RIMBALO_WORD(botspeed, Plus)
    int slot = 0;
    int delay = 0; // milliseconds: 500, 1000 or 2000
    RIMBALO_FIELDS(slot, delay)
};

} // namespace toserver

namespace toclient {

struct SendLoginInfo {
    RIMBALO_WORD(sendlogininfo, None)
    int slot = 0;
    RIMBALO_FIELDS(slot)
};
struct Full {
    RIMBALO_WORD(full, Plus)
    auto fields() const { return std::tuple<>(); }
};
struct NewPlayerInfo {
    RIMBALO_WORD(newplayerinfo, None)
    int slot = 0;
    std::string name;
    int justwatching = 0; // always 0
    RIMBALO_FIELDS(slot, name, justwatching)
};
struct ExistingPlayers {
    RIMBALO_WORD(existingplayers, None)
    std::vector<PlayerEntry> players;
    RIMBALO_FIELDS(players)
};
struct HaveWrongVersion {
    RIMBALO_WORD(havewrongversion, None)
    FreeText name;
    RIMBALO_FIELDS(name)
};
struct WrongVersion {
    RIMBALO_WORD(wrongversion, Plus)
    auto fields() const { return std::tuple<>(); }
};
struct LoadStats {
    RIMBALO_WORD(loadstats, None)
    int slot = 0;
    int turnseat = 0;
    int target = 0;
    int seconds = 0;
    bool timepenalty = false;
    bool teamgame = false;
    std::array<SeatStats, 4> seats{};
    // For a seat: whether it has made its first lay-down this round (left out by older servers).
    std::optional<bool> opened;
    RIMBALO_FIELDS(slot, turnseat, target, seconds, timepenalty, teamgame, seats, opened)
};
struct LoadBoard {
    RIMBALO_WORD(loadboard, None)
    int slot = 0;
    std::vector<BoardItem> cells;
    RIMBALO_FIELDS(slot, cells)
};
struct YourTiles {
    RIMBALO_WORD(yourtiles, None)
    int seat = 0;
    std::vector<RackItem> cells;
    RIMBALO_FIELDS(seat, cells)
};
struct PlayerDisconnected {
    RIMBALO_WORD(playerdisconnected, None)
    int slot = 0;
    FreeText name;
    RIMBALO_FIELDS(slot, name)
};
struct JustWatching {
    RIMBALO_WORD(justwatching, None)
    int slot = 0;
    int flag = 0; // 1 just watches, 2 plays again
    RIMBALO_FIELDS(slot, flag)
};
struct Chat {
    RIMBALO_WORD(chat, None)
    int slot = 0;
    FreeText text; // the sender's name, " chats: ", the line, "|", the colour
    RIMBALO_FIELDS(slot, text)
};
struct Action {
    RIMBALO_WORD(action, None)
    int slot = 0;
    FreeText text; // the sender's name, a space, the action, "|", the colour
    RIMBALO_FIELDS(slot, text)
};
struct PlayASound {
    RIMBALO_WORD(playasound, Plus)
    int slot = 0;
    std::string sound;
    RIMBALO_FIELDS(slot, sound)
};
struct GamePause {
    RIMBALO_WORD(gamepause, Plus)
    int flag = 0; // 1 paused, 0 running
    RIMBALO_FIELDS(flag)
};
using StartGame = protocol::StartGame;
struct StartRound {
    RIMBALO_WORD(startround, Plus)
    std::array<int, 4> scores{}; // seats 1..4
    RIMBALO_FIELDS(scores)
};
struct NextPlayer {
    RIMBALO_WORD(nextplayer, None)
    int seat = 0;
    int tilesleft = 0; // -1 once a draw found the pool empty
    std::array<SeatCount, 4> seats{};
    RIMBALO_FIELDS(seat, tilesleft, seats)
};
struct PlaceHisTile {
    RIMBALO_WORD(placehistile, Plus)
    int seat = 0;
    int tile = 0;
    int column = 0;
    int row = 0;
    RIMBALO_FIELDS(seat, tile, column, row)
};
struct FreeCard {
    RIMBALO_WORD(freecard, Plus)
    int seat = 0;
    int cell = 0;
    RIMBALO_FIELDS(seat, cell)
};
struct SwapTiles {
    RIMBALO_WORD(swaptiles, Plus)
    int seat = 0;
    int tocolumn = 0;
    int torow = 0;
    int fromcolumn = 0;
    int fromrow = 0;
    int tile = 0;
    RIMBALO_FIELDS(seat, tocolumn, torow, fromcolumn, fromrow, tile)
};
struct RemoveTile {
    RIMBALO_WORD(removetile, Plus)
    int column = 0;
    int row = 0;
    RIMBALO_FIELDS(column, row)
};
struct UndoThem {
    RIMBALO_WORD(undothem, None)
    int seat = 0;
    std::vector<BoardItem> cells; // tile 0 = the cell is empty again
    RIMBALO_FIELDS(seat, cells)
};
struct MovedTiles {
    RIMBALO_WORD(movedtiles, None)
    int seat = 0;
    int score = 0;
    int value = 0;
    std::vector<BoardItem> cells;
    RIMBALO_FIELDS(seat, score, value, cells)
};
struct NotEnough {
    RIMBALO_WORD(notenough, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct AskPenalty {
    RIMBALO_WORD(askpenalty, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct Incomplete {
    RIMBALO_WORD(incomplete, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct NoMoreTiles {
    RIMBALO_WORD(nomoretiles, Plus)
    auto fields() const { return std::tuple<>(); }
};
struct NoMoreRoom {
    RIMBALO_WORD(nomoreroom, Plus)
    auto fields() const { return std::tuple<>(); }
};
struct NoTime {
    RIMBALO_WORD(notime, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct EndRound {
    RIMBALO_WORD(endround, None)
    int winner = 0; // 0 when the pool ran dry for everybody
    std::array<SeatResult, 4> seats{};
    RIMBALO_FIELDS(winner, seats)
};
struct Winner {
    RIMBALO_WORD(winner, Plus)
    std::string name; // a seat's name or a team's name
    RIMBALO_FIELDS(name)
};
struct NoUse {
    RIMBALO_WORD(nouse, Plus)
    int seat = 0;
    RIMBALO_FIELDS(seat)
};
struct TeamScore {
    RIMBALO_WORD(teamscore, Plus)
    int seat = 0;
    int score = 0;
    RIMBALO_FIELDS(seat, score)
};
struct ShowDraw {
    RIMBALO_WORD(showdraw, Plus)
    int seat = 0;
    int which = 0; // 1 shows the finish button, anything else the draw button
    RIMBALO_FIELDS(seat, which)
};
// Whether the game allows the Hint button: sent to a newcomer at login, to all at every game start
// and whenever the host changes it. A client that never hears it offers no hints.
struct Hints {
    RIMBALO_WORD(hints, Plus)
    int allowed = 0; // 1 allowed, 0 not
    RIMBALO_FIELDS(allowed)
};
// Sent just before the server itself closes a connection, so that the player learns why; a close
// without it is a lost connection.
struct Closing {
    RIMBALO_WORD(closing, Plus)
    int reason = 0;                      // kGameEnded or kRemoved
    static constexpr int kGameEnded = 1; // the host ended the game (or the server stopped)
    static constexpr int kRemoved = 2;   // the host removed this player
    RIMBALO_FIELDS(reason)
};

} // namespace toclient

// Every message type of one direction, for code that must treat them all alike (checks, fuzzing).
template <class... M> struct MessageList {};
using ClientMessages =
    MessageList<toserver::LoginInfo, toserver::KickHim, toserver::Chat, toserver::Action, toserver::StartGame,
                toserver::JustWatch, toserver::PlaceMyTile, toserver::SwapTiles, toserver::ReplaceTile,
                toserver::UndoThem, toserver::Finish, toserver::DrawCard, toserver::ClickYes, toserver::Pause,
                toserver::PlayASound, toserver::BotSpeed>;
using ServerMessages =
    MessageList<toclient::SendLoginInfo, toclient::Full, toclient::NewPlayerInfo, toclient::ExistingPlayers,
                toclient::HaveWrongVersion, toclient::WrongVersion, toclient::LoadStats, toclient::LoadBoard,
                toclient::YourTiles, toclient::PlayerDisconnected, toclient::JustWatching, toclient::Chat,
                toclient::Action, toclient::PlayASound, toclient::GamePause, toclient::StartGame,
                toclient::StartRound, toclient::NextPlayer, toclient::PlaceHisTile, toclient::FreeCard,
                toclient::SwapTiles, toclient::RemoveTile, toclient::UndoThem, toclient::MovedTiles,
                toclient::NotEnough, toclient::AskPenalty, toclient::Incomplete, toclient::NoMoreTiles,
                toclient::NoMoreRoom, toclient::NoTime, toclient::EndRound, toclient::Winner, toclient::NoUse,
                toclient::TeamScore, toclient::ShowDraw, toclient::Hints, toclient::Closing>;

// Calls `f(std::type_identity<M>{})` for each message type M of the list in order, until one returns true.
template <class... M, class F> bool anyMessage(MessageList<M...>, F&& f) {
    return (f(std::type_identity<M>{}) || ...);
}

} // namespace protocol
