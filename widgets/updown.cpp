#include "widgets/updown.h"

#include <QToolButton>
#include <QVBoxLayout>

UpDownArrows::UpDownArrows(QWidget *parent) : QWidget(parent), up(new QToolButton(this)), down(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *b : {up, down}) {
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    connect(up, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(down, &QToolButton::clicked, this, [this] { emit stepped(false); });
    setFixedSize(16, 22);
}
