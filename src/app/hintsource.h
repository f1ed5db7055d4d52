#pragma once
// The Hint button's advice, found by the game's own lay-down search and layout in the player's own
// program: the window asks, nothing goes to the server until the player lays it.

#include "client/play/hintsource.h"

client::HintSource gameHints();
