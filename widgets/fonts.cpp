#include "widgets/fonts.h"

QFont programFont(int pixelSize)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    return f;
}

QFont boldFont(int pixelSize)
{
    QFont f = programFont(pixelSize);
    f.setBold(true);
    return f;
}

QFont titleFont()
{
    return boldFont(18);
}
