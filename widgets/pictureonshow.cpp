#include "widgets/pictureonshow.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

namespace {

class PictureOnShow : public QObject {
public:
    PictureOnShow(QLabel *label, const QString &path) : QObject(label), path(path) { label->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            static_cast<QLabel *>(watched)->setPixmap(QPixmap(path));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QString path;
};

} // namespace

void setPictureOnShow(QLabel *label, const QString &path)
{
    new PictureOnShow(label, path);
}
