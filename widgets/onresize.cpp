#include "widgets/onresize.h"

#include <QEvent>
#include <QWidget>

namespace {

class ResizeWatcher : public QObject {
public:
    ResizeWatcher(QWidget *container, std::function<void(QSize)> f)
        : QObject(container), watched(container), arrange(std::move(f))
    {
        container->installEventFilter(this);
        arrange(container->size());
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (object == watched && event->type() == QEvent::Resize)
            arrange(watched->size());
        return false;
    }

private:
    QWidget *watched;
    std::function<void(QSize)> arrange;
};

} // namespace

void onResize(QWidget *container, std::function<void(QSize)> arrange)
{
    new ResizeWatcher(container, std::move(arrange));
}
