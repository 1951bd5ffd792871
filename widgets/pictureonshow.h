#pragma once
#include <QString>

class QLabel;

// Gives a label its picture when the label is first shown, so that start-up
// decodes no picture for a sheet that the manager may never open.
void setPictureOnShow(QLabel *label, const QString &path);
