#pragma once
// The help window: topic buttons on the side, one rich-text page per topic.

#include "auxwindow.h"

#include <functional>
#include <map>

class QLabel;
class QStackedWidget;
class QTextBrowser;

namespace windows {

class Thelp : public AuxWindow {
    Q_OBJECT
public:
    explicit Thelp(const QString& version, QWidget* parent = nullptr);
    // Brings the page of the topic with this tag (1..5, 11) to the front.
    void showTopic(int tag);
    QTextBrowser* page(int tag) const;

signals:
    void aboutRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* caption_;
    QStackedWidget* pages_;
    std::map<int, QTextBrowser*> memos_;
    std::map<int, QString> captions_;
    std::function<void()> place_;
};

} // namespace windows
