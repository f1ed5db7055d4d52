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

// The table server's commands. A connection that sends none of them is seated as by a server with one
// table.
struct TableList { // the open public tables, answered with toclient::Tables
    RIMBALO_WORD(tablelist, Plus)
    auto fields() const { return std::tuple<>(); }
};
struct TableCreate { // a new table, with its creator in seat 1
    RIMBALO_WORD(tablecreate, None)
    bool isPublic = true;
    FreeText name;
    RIMBALO_FIELDS(isPublic, name)
};
struct TableJoin {
    RIMBALO_WORD(tablejoin, Plus)
    std::string code;
    RIMBALO_FIELDS(code)
};
struct TableLeave { // back to the list: the connection holds no slot until it joins or creates
    RIMBALO_WORD(tableleave, Plus)
    auto fields() const { return std::tuple<>(); }
};
struct Reconnect { // the seat token of a seat held for its dropped connection
    RIMBALO_WORD(reconnect, Plus)
    std::string token;
    RIMBALO_FIELDS(token)
};
struct AdminToken { // the operator's token: the host's powers whatever the slot
    RIMBALO_WORD(admintoken, Plus)
    std::string token;
    RIMBALO_FIELDS(token)
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

// One open table of a table server's list.
struct TableEntry {
    std::string code;
    int seats = 0;     // seats 1..4 held by a connection
    int onlookers = 0; // slots 5..9 held
    bool playing = false;
    int target = 0; // the running game's options (zero when none runs)
    int seconds = 0;
    int tiles = 0;
    std::string name; // made safe: no "+"
    RIMBALO_FIELDS(code, seats, onlookers, playing, target, seconds, tiles, name)
    bool operator==(const TableEntry&) const = default;
};
struct Tables {
    RIMBALO_WORD(tables, Plus)
    std::vector<TableEntry> tables;
    RIMBALO_FIELDS(tables)
};
// The table the connection sits at: told with its slot, before the login is asked.
struct TableCode {
    RIMBALO_WORD(tablecode, None)
    std::string code;
    bool isPublic = true;
    FreeText name;
    RIMBALO_FIELDS(code, isPublic, name)
};
// A table command refused, or the connection refused, in words for the player.
struct TableError {
    RIMBALO_WORD(tableerror, None)
    FreeText text;
    RIMBALO_FIELDS(text)
};
// The secret that brings a dropped connection back to its seat (toserver::Reconnect).
// The table asked for lives on another server: connect there and ask for it again.
struct Redirect {
    RIMBALO_WORD(redirect, Plus)
    std::string code;
    std::string host;
    int port = 0;
    RIMBALO_FIELDS(code, host, port)
};
struct SeatToken {
    RIMBALO_WORD(seattoken, Plus)
    std::string token;
    RIMBALO_FIELDS(token)
};
// The SHA-256 digest (hex) of the round's shuffle seed, sent before the deal.
struct ShuffleCommit {
    RIMBALO_WORD(shufflecommit, Plus)
    std::string digest;
    RIMBALO_FIELDS(digest)
};
// The round's shuffle seed (hex), sent when the round has ended.
struct ShuffleReveal {
    RIMBALO_WORD(shufflereveal, Plus)
    std::string seed;
    RIMBALO_FIELDS(seed)
};
// Who holds the host's powers now (0: nobody).
struct Powers {
    RIMBALO_WORD(powers, None)
    int slot = 0;
    FreeText name;
    RIMBALO_FIELDS(slot, name)
};

} // namespace toclient

// Every message type of one direction, for code that must treat them all alike (checks, fuzzing).
template <class... M> struct MessageList {};
using ClientMessages =
    MessageList<toserver::LoginInfo, toserver::KickHim, toserver::Chat, toserver::Action, toserver::StartGame,
                toserver::JustWatch, toserver::PlaceMyTile, toserver::SwapTiles, toserver::ReplaceTile,
                toserver::UndoThem, toserver::Finish, toserver::DrawCard, toserver::ClickYes, toserver::Pause,
                toserver::PlayASound, toserver::BotSpeed, toserver::TableList, toserver::TableCreate,
                toserver::TableJoin, toserver::TableLeave, toserver::Reconnect, toserver::AdminToken>;
using ServerMessages =
    MessageList<toclient::SendLoginInfo, toclient::Full, toclient::NewPlayerInfo, toclient::ExistingPlayers,
                toclient::HaveWrongVersion, toclient::WrongVersion, toclient::LoadStats, toclient::LoadBoard,
                toclient::YourTiles, toclient::PlayerDisconnected, toclient::JustWatching, toclient::Chat,
                toclient::Action, toclient::PlayASound, toclient::GamePause, toclient::StartGame,
                toclient::StartRound, toclient::NextPlayer, toclient::PlaceHisTile, toclient::FreeCard,
                toclient::SwapTiles, toclient::RemoveTile, toclient::UndoThem, toclient::MovedTiles,
                toclient::NotEnough, toclient::AskPenalty, toclient::Incomplete, toclient::NoMoreTiles,
                toclient::NoMoreRoom, toclient::NoTime, toclient::EndRound, toclient::Winner, toclient::NoUse,
                toclient::TeamScore, toclient::ShowDraw, toclient::Hints, toclient::Closing, toclient::Tables,
                toclient::TableCode, toclient::TableError, toclient::SeatToken, toclient::ShuffleCommit,
                toclient::ShuffleReveal, toclient::Powers>;

// Calls `f(std::type_identity<M>{})` for each message type M of the list in order, until one returns true.
template <class... M, class F> bool anyMessage(MessageList<M...>, F&& f) {
    return (f(std::type_identity<M>{}) || ...);
}

} // namespace protocol
