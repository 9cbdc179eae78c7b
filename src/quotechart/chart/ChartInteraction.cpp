// REvuved's mouse tracking, crosshair, read-outs, keys and wheel: events
// turned into calls.

#include "chart/ChartPrivate.h"
#include "render/Crosshair.h"
#include "render/Readout.h"
#include "platform/PictureBox.h"
#include "render/DayAxis.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QWheelEvent>

namespace quotechart {

namespace {

constexpr int LeftButton = 1, RightButton = 2;

VerticalLineSurfaces verticalLineSurfaces(ChartWidgets &w)
{
    return {&w.Picture1->surface(), &w.techPanes[0]->surface(), &w.techPanes[1]->surface(), &w.techPanes[2]->surface(),
            &w.DateRuler->surface()};
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}   // namespace

void REvuved::connectInteraction()
{
    ChartWidgets &w = d->widgets;
    connect(w.Picture1, &platform::PictureBox::mouseDown, this,
            [this](int button, int, float x, float y) { picture1MouseDown(button, x, y); });
    connect(w.Picture1, &platform::PictureBox::mouseMove, this,
            [this](int button, int, float x, float y) { picture1MouseMove(button, x, y); });
    connect(w.Picture1, &platform::PictureBox::mouseUp, this,
            [this](int button, int, float x, float y) { picture1MouseUp(button, x, y); });
    connect(w.PriceRuler, &platform::PictureBox::mouseDown, this,
            [this](int button, int, float, float y) { priceRulerMouse(button, y); });
    connect(w.PriceRuler, &platform::PictureBox::mouseMove, this,
            [this](int button, int, float, float y) { priceRulerMouse(button, y); });
    w.Picture1->setCursor(Qt::CrossCursor);
    w.Picture1->installEventFilter(this);

    w.TimeForward->installEventFilter(this);
    w.TimeBackward->installEventFilter(this);
    connect(w.Timer1, &QTimer::timeout, this, [this] { stepNewer(); });
    connect(w.Timer2, &QTimer::timeout, this, [this] { stepOlder(); });
    setFocusPolicy(Qt::ClickFocus);   // a click on any pane gives the chart the keys

    d->menus = createPopupMenus(*this);
    connectPopupMenu();
    connectTransactionList();
}

void REvuved::picture1MouseDown(int button, float x, float)
{
    if (button == LeftButton)
        drawVerticalLine(x);
    restoreCopyPen(verticalLineSurfaces(d->widgets));
}

void REvuved::picture1MouseMove(int button, float x, float y)
{
    d->interaction.popup_x = x;
    d->interaction.popup_y = y;
    if (button != LeftButton)
        return;
    drawVerticalLine(x);
    restoreCopyPen(verticalLineSurfaces(d->widgets));
}

void REvuved::picture1MouseUp(int button, float x, float y)
{
    if (button != RightButton)
        return;
    picture1MouseDown(LeftButton, x, y);
    openPopupMenu(x, y);
}

// The old line is inverted back first, unless it sits at 0 or a redraw has
// already taken it away.
void REvuved::drawVerticalLine(float x)
{
    const VerticalLineSurfaces surfaces = verticalLineSurfaces(d->widgets);
    if (OldVerticalLineX != 0 && isVerticalLineDisplayed)
        invertVerticalLine(surfaces, OldVerticalLineX);
    invertVerticalLine(surfaces, x);
    UpdateCaption(x);
    isVerticalLineDisplayed = true;
    OldVerticalLineX = x;
}

void REvuved::priceRulerMouse(int button, float y)
{
    platform::SurfaceRegion &pane = d->widgets.Picture1->surface();
    if (button == LeftButton) {
        if (OldHorizontalLineY != 0 && isHorizontalLineDisplayed)
            invertHorizontalLine(pane, OldHorizontalLineY);
        invertHorizontalLine(pane, y);
        isHorizontalLineDisplayed = true;
        OldHorizontalLineY = y;
    }
    restoreSolidCopyPen(pane);
}

void REvuved::UpdateCaption(float &x)
{
    ChartWidgets &w = d->widgets;
    const double width = w.Picture1->surface().scaleWidth();
    const std::optional<int16_t> day = DayAxis::singleSlot(width, starting_date_local, ending_date_local, 0).dayAt(x);
    if (!day)
        return;
    if (const std::optional<QString> caption = captionText(d->captionCompany.of(d->document.company_name, *w.CaptionLabel), *d->history, *day))
        w.CaptionLabel->setText(*caption);
    if (const std::optional<ChangeReadout> change = changeReadout(*d->history, *day)) {
        setTextColour(w.ChangeLabel, change->rise ? QColor(0, 255, 0) : QColor(255, 0, 0));
        w.ChangeLabel->setText(change->text);
    }
}

void REvuved::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left: stepOlder(); break;
    case Qt::Key_Right: stepNewer(); break;
    case Qt::Key_PageUp: GoBackward(); break;
    case Qt::Key_PageDown: GoForward(); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomIn(); break;
    case Qt::Key_Minus: ZoomOut(); break;
    case Qt::Key_Escape: break;   // taken, so that it closes nothing around the chart
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

// A combo given the focus by the keyboard opens its list at once (a click
// opens it anyway).
void REvuved::openComboOnFocus(QObject *watched, Qt::FocusReason reason)
{
    if (reason == Qt::MouseFocusReason || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    for (QComboBox *combo : d->widgets.Combo)
        if (watched == combo)
            combo->showPopup();
}

bool REvuved::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->widgets.Picture1 && event->type() == QEvent::Wheel) {
        zoomByWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    if (arrowEvent(watched, event) || transactionListEvent(watched, event))
        return true;
    if (event->type() == QEvent::FocusIn)
        openComboOnFocus(watched, static_cast<QFocusEvent *>(event)->reason());
    return QWidget::eventFilter(watched, event);
}

}   // namespace quotechart
