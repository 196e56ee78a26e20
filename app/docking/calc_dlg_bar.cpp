#include "app/docking/calc_dlg_bar.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTimer>

#include "app/docking/floating_placement.h"

namespace {

QList<CCalcDlgBar*>& LiveBars() {
    static QList<CCalcDlgBar*> bars;
    return bars;
}

QList<QRect> AvailableScreens() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    return screens;
}

int TitleBarHeight(const QWidget& window) {
    return window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
}

FloatingAnchor AnchorOf(const QMainWindow& window) {
    const QWidget* menuBar = window.menuWidget();
    const int menuBarBottom = menuBar != nullptr && menuBar->isVisible()
                                  ? menuBar->mapToGlobal(QPoint(0, menuBar->height())).y()
                                  : window.geometry().top();
    return {window.frameGeometry(), menuBarBottom};
}

} // namespace

CCalcDlgBar::CCalcDlgBar(const QString& title, int barId, BarSizing sizing, QWidget* content,
                         QMainWindow* window)
    : QDockWidget(title, window), window_(window), barId_(barId), sizing_(sizing) {
    setObjectName(QStringLiteral("Bar%1").arg(barId));
    setAccessibleName(title);
    setWidget(content);
    content->setParent(this);
    if (sizing_ == BarSizing::Fixed) {
        content->setFixedSize(content->sizeHint());
        sizes_ = FixedBarSizes(content->size());
    } else {
        sizes_ = ResizableBarSizes(content->sizeHint(), content->minimumSizeHint().expandedTo(QSize(1, 1)));
        content->setMinimumSize(sizes_.minimum);
    }
    LiveBars().append(this);
    connect(this, &QDockWidget::dockLocationChanged, this,
            [this] { QTimer::singleShot(0, this, &CCalcDlgBar::ApplyRememberedSize); });
    connect(this, &QDockWidget::topLevelChanged, this,
            [this] { QTimer::singleShot(0, this, &CCalcDlgBar::ApplyRememberedSize); });
}

CCalcDlgBar::~CCalcDlgBar() {
    LiveBars().removeOne(this);
}

const QList<CCalcDlgBar*>& CCalcDlgBar::AllBars() {
    return LiveBars();
}

BarOrientation CCalcDlgBar::Orientation() const {
    if (isFloating())
        return BarOrientation::Floating;
    const Qt::DockWidgetArea area = window_->dockWidgetArea(const_cast<CCalcDlgBar*>(this));
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea ? BarOrientation::Vertical
                                                                             : BarOrientation::Horizontal;
}

void CCalcDlgBar::SetDialogSize(QSize size) {
    sizes_ = FixedBarSizes(size);
    if (widget() != nullptr)
        widget()->setFixedSize(size);
}

void CCalcDlgBar::LoadState(const QString& prefix) {
    if (IsFixedSize())
        return;
    QSettings settings;
    sizes_ = LoadBarSizes(settings, prefix, barId_, sizes_);
}

void CCalcDlgBar::SaveState(const QString& prefix) const {
    if (IsFixedSize())
        return;
    QSettings settings;
    SaveBarSizes(settings, prefix, barId_, sizes_);
}

void CCalcDlgBar::ApplyRememberedSize() {
    if (IsFixedSize() || isHidden())
        return;
    applying_ = true;
    const BarOrientation orientation = Orientation();
    const QSize size = sizes_.For(orientation).expandedTo(sizes_.minimum);
    switch (orientation) {
    case BarOrientation::Floating:
        resize(size);
        break;
    case BarOrientation::Horizontal:
        window_->resizeDocks({this}, {size.height()}, Qt::Vertical);
        break;
    case BarOrientation::Vertical:
        window_->resizeDocks({this}, {size.width()}, Qt::Horizontal);
        break;
    }
    applying_ = false;
}

void CCalcDlgBar::KeepRestoredPlace() {
    if (!isFloating())
        return;
    placed_ = ReachableOnScreens(frameGeometry(), AvailableScreens(), TitleBarHeight(*this));
    // Mapped before the main window, the window manager would not yet know the window it
    // belongs to and would stack it below that.
    waitsForWindow_ = !isHidden();
    if (waitsForWindow_)
        hide();
}

void CCalcDlgBar::ShowWithWindow() {
    if (!waitsForWindow_)
        return;
    waitsForWindow_ = false;
    show();
}

void CCalcDlgBar::showEvent(QShowEvent* event) {
    // Shown with a hidden main window, as while the layout is restored, nothing is placed
    // yet: where the main window stands is not known.
    if (isFloating() && !placed_ && window_->isVisible())
        move(PaneBesideFrame(AnchorOf(*window_), frameGeometry().size(), AvailableScreens()).topLeft());
    placed_ = placed_ || window_->isVisible();
    QDockWidget::showEvent(event);
}

void CCalcDlgBar::resizeEvent(QResizeEvent* event) {
    QDockWidget::resizeEvent(event);
    if (applying_ || IsFixedSize() || !isVisible())
        return;
    sizes_.Set(Orientation(), event->size().expandedTo(sizes_.minimum));
}
