#pragma once
// The code of the table the player has just created: large enough to read out, with Copy for a
// message to friends (who type it in Join a Game… or start the program with HOST:PORT/CODE).

#include "auxwindow.h"

class QLabel;

namespace windows {

class TableCodeDialog : public AuxWindow {
    Q_OBJECT
public:
    explicit TableCodeDialog(QWidget* parent = nullptr);

    void showCode(const QString& code, const QString& name, bool isPublic, const QString& server);
    // What Copy puts on the clipboard.
    QString copyText() const;

private:
    QLabel* code_ = nullptr;
    QLabel* about_ = nullptr;
    QString server_;
};

} // namespace windows
