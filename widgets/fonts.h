#pragma once
#include <QFont>

// The program's font: Liberation Sans (Debian's fonts-liberation, with the
// metrics of Arial), asked for by its installed name so no matching is
// needed at start-up. 11 pixels stands in for the 8 point Windows font the
// layouts were drawn for; 12 pixels for 9 point.
QFont programFont(int pixelSize = 11);
QFont boldFont(int pixelSize);
// The sheets' titles: bold, 18 pixels.
QFont titleFont();
