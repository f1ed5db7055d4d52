#pragma once
// Checks that a command the server sent is well formed: one end marker at the very end, a known
// word, and fields that read back as that command's message.

#include "protocol/messages.h"

#include <string>
#include <string_view>

namespace wirecheck {

namespace detail {

template <class M> bool reads(std::string_view word, std::string_view args, bool& known) {
    if (word != M::word) return false;
    known = true;
    return protocol::decode<M>(args).has_value();
}

} // namespace detail

// True when `text` (as handed to the socket, end marker included) is a valid server command.
inline bool isValidServerCommand(std::string_view text) {
    using namespace protocol::toclient;
    if (text.empty() || text.back() != protocol::kEndMarker) return false;
    const std::string_view entry = text.substr(0, text.size() - 1);
    if (entry.find(protocol::kEndMarker) != std::string_view::npos) return false;
    const protocol::Command c = protocol::splitCommand(entry);
    bool known = false;
    const bool ok =
        detail::reads<SendLoginInfo>(c.word, c.args, known) || detail::reads<Full>(c.word, c.args, known) ||
        detail::reads<NewPlayerInfo>(c.word, c.args, known) ||
        detail::reads<ExistingPlayers>(c.word, c.args, known) ||
        detail::reads<HaveWrongVersion>(c.word, c.args, known) ||
        detail::reads<WrongVersion>(c.word, c.args, known) ||
        detail::reads<LoadStats>(c.word, c.args, known) || detail::reads<LoadBoard>(c.word, c.args, known) ||
        detail::reads<YourTiles>(c.word, c.args, known) ||
        detail::reads<PlayerDisconnected>(c.word, c.args, known) ||
        detail::reads<JustWatching>(c.word, c.args, known) || detail::reads<Chat>(c.word, c.args, known) ||
        detail::reads<Action>(c.word, c.args, known) || detail::reads<PlayASound>(c.word, c.args, known) ||
        detail::reads<GamePause>(c.word, c.args, known) || detail::reads<StartGame>(c.word, c.args, known) ||
        detail::reads<StartRound>(c.word, c.args, known) ||
        detail::reads<NextPlayer>(c.word, c.args, known) ||
        detail::reads<PlaceHisTile>(c.word, c.args, known) ||
        detail::reads<FreeCard>(c.word, c.args, known) || detail::reads<SwapTiles>(c.word, c.args, known) ||
        detail::reads<RemoveTile>(c.word, c.args, known) || detail::reads<UndoThem>(c.word, c.args, known) ||
        detail::reads<MovedTiles>(c.word, c.args, known) || detail::reads<NotEnough>(c.word, c.args, known) ||
        detail::reads<AskPenalty>(c.word, c.args, known) ||
        detail::reads<Incomplete>(c.word, c.args, known) ||
        detail::reads<NoMoreTiles>(c.word, c.args, known) ||
        detail::reads<NoMoreRoom>(c.word, c.args, known) || detail::reads<NoTime>(c.word, c.args, known) ||
        detail::reads<EndRound>(c.word, c.args, known) || detail::reads<Winner>(c.word, c.args, known) ||
        detail::reads<NoUse>(c.word, c.args, known) || detail::reads<TeamScore>(c.word, c.args, known);
    return known && ok;
}

} // namespace wirecheck
