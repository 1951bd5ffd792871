// The main window's size presets, the arrangement of its controls for its
// size, and its rounded outline.
#include "app/pelmainunit1.h"
#include "app/prompts.h"
#include "widgets/formcontrols.h"
#include "widgets/shape.h"
#include "app/infopanel.h"
#include "lineup/checkerpanel.h"
#include "lineup/rostersheet.h"
#include "lineup/viewersheet.h"

#include <QAction>
#include <QResizeEvent>
#include <QTabWidget>

QSize TPelMainForm::outerSize() const
{
    return isVisible() ? frameGeometry().size() : size();
}

void TPelMainForm::setOuterSize(QSize outer)
{
    const QSize frame = outerSize() - size();
    intendedOuter = outer;
    if (outer - frame == size())
        return; // no change, no resize event
    pendingSizes.append(outer - frame);
    resize(outer - frame);
}

void TPelMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The frame is known once the window is shown: keep the outer size.
    if (started() && intendedOuter.isValid() && outerSize() != intendedOuter)
        setOuterSize(intendedOuter);
    if (!centred) { // once the frame is known: centred at its first showing
        centred = true;
        centreOnScreen(this, outerSize());
    }
}

QSize TPelMainForm::presetSize(int tag)
{
    switch (tag) {
    case 640: return {638, 400};
    case 800: return {796, 512};
    case 1024: return {1020, 680};
    default: return {};
    }
}

QAction *TPelMainForm::sizeEntry(int tag) const
{
    switch (tag) {
    case 640: return Size640;
    case 800: return Size800;
    case 1024: return Size1024;
    case 999: return SizeCustom;
    default: return nullptr;
    }
}

void TPelMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!started() || !rosterSheet)
        return;
    // The program's own size changes may be delivered later, one after the
    // other: arrange for them but keep the ticked entry.
    if (const qsizetype own = pendingSizes.indexOf(event->size()); own >= 0) {
        pendingSizes.remove(0, own + 1);
        runGuarded([this] { ArrangeControls(); });
        return;
    }
    runGuarded([this] { changePageSize(0); });
}

void TPelMainForm::changePageSize(int tag)
{
    for (QAction *a : {Size640, Size800, Size1024, SizeCustom})
        a->setChecked(false);
    switch (tag) {
    case 640:
    case 800:
    case 1024:
        setOuterSize(presetSize(tag));
        sizeEntry(tag)->setChecked(true);
        shared.settings->writeInteger("Options", "ScreenRes", tag);
        break;
    case 999: {
        const QSize now = outerSize();
        SizeCustom->setChecked(true);
        shared.settings->writeInteger("Options", "ScreenRes", 999);
        shared.settings->writeInteger("Options", "XRes", now.width());
        shared.settings->writeInteger("Options", "YRes", now.height());
        break;
    }
    default: break; // a resize of the window
    }
    ArrangeControls();
}

void TPelMainForm::ArrangeControls()
{
    const QSize outer = outerSize();
    int W = outer.width(), H = outer.height();
    if (H <= 480 || W <= 680) {
        setOuterSize({std::max(W, 680), std::max(H, 480)});
        W = std::max(W, 680);
        H = std::max(H, 480);
    }
    int gridHeight, pageHeight;
    if (H > 480) {
        gridHeight = H - 170;
        MainPageControl->resize(MainPageControl->width(), H - 103);
        pageHeight = MainPageControl->height();
    } else {
        gridHeight = 315;
        MainPageControl->resize(MainPageControl->width(), 373);
        pageHeight = 0;
    }
    int gridWidth, groupLeft, listWidth, pitchWidth;
    if (W > 680) {
        gridWidth = W - 285;
        MainPageControl->resize(W - 10, MainPageControl->height());
        groupLeft = W - 279;
        infoPanel->resize(275, infoPanel->height());
        // Short of 723 pixels the checker panel moves left to stay whole.
        validPanel->move(std::min(380, W - 346), validPanel->y());
        listWidth = W / 2 - 50;
        pitchWidth = 380;
    } else {
        gridWidth = 390;
        MainPageControl->resize(667, MainPageControl->height());
        groupLeft = 395;
        validPanel->move(std::min(362, W - 346), validPanel->y()); // 334: at 362 it ran past the edge
        infoPanel->resize(255, infoPanel->height());
        listWidth = 280;
        pitchWidth = 340;
    }
    rosterSheet->arrange(gridWidth, gridHeight, groupLeft);
    // The pitch panel stays aligned to the right edge of its sheet; where
    // the lists leave it less than its width, it gives up its empty margin.
    const int sheetWidth = MainPageControl->width() - 8;
    pitchWidth = std::min(pitchWidth, sheetWidth - (ViewerSheet::ListLeft + listWidth) - 4);
    viewerSheet->arrange(pageHeight, listWidth, sheetWidth - pitchWidth, pitchWidth);
    ApplyWindowShape();
}

void TPelMainForm::ApplyWindowShape()
{
    const QSize outer = outerSize();
    const int W = outer.width(), H = outer.height();
    // The pieces are in window coordinates, the frame included; the mask is
    // set on the client area.
    const QPoint client = geometry().topLeft() - (isVisible() ? frameGeometry().topLeft() : geometry().topLeft());
    const QRegion outline = roundRectRegion(2, 0, W - 4, 90, 20, 20) | roundRectRegion(2, 70, W - 4, H - 45, 10, 10)
                            | roundRectRegion(2, H - 60, 420, H - 15, 20, 20);
    setMask(outline.translated(-client));
}
