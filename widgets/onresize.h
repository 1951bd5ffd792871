#pragma once
#include <QSize>
#include <functional>

class QWidget;

// Runs a function with a container's new size each time it changes size
// (and once at once), so controls placed in it can follow its edges.
void onResize(QWidget *container, std::function<void(QSize)> arrange);
