#pragma once
// Every command word of the game protocol.

#include <string_view>

namespace protocol::words {

// Client to server.
inline constexpr std::string_view logininfo = "CMD_logininfo";
inline constexpr std::string_view kickhim = "CMD_kickhim";
inline constexpr std::string_view chat = "CMD_chat";
inline constexpr std::string_view action = "CMD_action";
inline constexpr std::string_view startgame = "CMD_startgame";
inline constexpr std::string_view justwatch = "CMD_justwatch";
inline constexpr std::string_view placemytile = "CMD_placemytile";
inline constexpr std::string_view swaptiles = "CMD_swaptiles";
inline constexpr std::string_view undothem = "CMD_undothem";
inline constexpr std::string_view finish = "CMD_finish";
inline constexpr std::string_view drawcard = "CMD_drawcard";
inline constexpr std::string_view clickyes = "CMD_clickyes";
inline constexpr std::string_view replacetile = "CMD_replacetile";
inline constexpr std::string_view pause = "CMD_pause";
inline constexpr std::string_view playasound = "CMD_playasound";
inline constexpr std::string_view botspeed = "CMD_botspeed";
// The table server's own commands (a server with one table ignores the table choices).
inline constexpr std::string_view tablelist = "CMD_tablelist";
inline constexpr std::string_view tablecreate = "CMD_tablecreate";
inline constexpr std::string_view tablejoin = "CMD_tablejoin";
inline constexpr std::string_view tableleave = "CMD_tableleave";
inline constexpr std::string_view reconnect = "CMD_reconnect";
inline constexpr std::string_view admintoken = "CMD_admintoken";

// Server to clients (chat, action, startgame, swaptiles, undothem and playasound are used both ways).
inline constexpr std::string_view sendlogininfo = "CMD_sendlogininfo";
inline constexpr std::string_view full = "CMD_full";
inline constexpr std::string_view newplayerinfo = "CMD_newplayerinfo";
inline constexpr std::string_view existingplayers = "CMD_existingplayers";
inline constexpr std::string_view havewrongversion = "CMD_havewrongversion";
inline constexpr std::string_view wrongversion = "CMD_wrongversion";
inline constexpr std::string_view loadstats = "CMD_loadstats";
inline constexpr std::string_view loadboard = "CMD_loadboard";
inline constexpr std::string_view yourtiles = "CMD_yourtiles";
inline constexpr std::string_view playerdisconnected = "CMD_playerdisconnected";
inline constexpr std::string_view justwatching = "CMD_justwatching";
inline constexpr std::string_view gamepause = "CMD_gamepause";
inline constexpr std::string_view startround = "CMD_startround";
inline constexpr std::string_view nextplayer = "CMD_nextplayer";
inline constexpr std::string_view placehistile = "CMD_placehistile";
inline constexpr std::string_view freecard = "CMD_freecard";
inline constexpr std::string_view removetile = "CMD_removetile";
inline constexpr std::string_view movedtiles = "CMD_movedtiles";
inline constexpr std::string_view notenough = "CMD_notenough";
inline constexpr std::string_view askpenalty = "CMD_askpenalty";
inline constexpr std::string_view incomplete = "CMD_incomplete";
inline constexpr std::string_view nomoretiles = "CMD_nomoretiles";
inline constexpr std::string_view nomoreroom = "CMD_nomoreroom";
inline constexpr std::string_view notime = "CMD_notime";
inline constexpr std::string_view endround = "CMD_endround";
inline constexpr std::string_view winner = "CMD_winner";
inline constexpr std::string_view nouse = "CMD_nouse";
inline constexpr std::string_view teamscore = "CMD_teamscore";
inline constexpr std::string_view showdraw = "CMD_showdraw";
inline constexpr std::string_view hints = "CMD_hints";
// Commands a program that does not know them ignores, as it does CMD_hints.
inline constexpr std::string_view tables = "CMD_tables";
inline constexpr std::string_view tablecode = "CMD_tablecode";
inline constexpr std::string_view tableerror = "CMD_tableerror";
inline constexpr std::string_view seattoken = "CMD_seattoken";
inline constexpr std::string_view redirect = "CMD_redirect";
inline constexpr std::string_view shufflecommit = "CMD_shufflecommit";
inline constexpr std::string_view shufflereveal = "CMD_shufflereveal";
inline constexpr std::string_view powers = "CMD_powers";
inline constexpr std::string_view closing = "CMD_closing";

} // namespace protocol::words
