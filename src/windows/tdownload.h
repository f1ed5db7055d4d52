#pragma once
// Shown beside a solo game: where to get the lobby that hosts games with other players.

#include "auxwindow.h"

namespace windows {

class Tdownload : public AuxWindow {
public:
    explicit Tdownload(QWidget* parent = nullptr);
};

} // namespace windows
