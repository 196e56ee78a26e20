#include "app/mainframe/calculation_indicator.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

CalculationIndicator::CalculationIndicator(QAction* stop, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CalculationIndicator"));
    setAccessibleName(QStringLiteral("Calculation running"));
    auto* label = new QLabel(QStringLiteral("Calculating\u2026 press Esc to stop"), this);
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("StopButton"));
    // The button follows the action; its text is the menu text without the key.
    stop->setIconText(QStringLiteral("Stop"));
    button->setDefaultAction(stop);
    button->setAccessibleName(QStringLiteral("Stop the calculation"));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(button);
    hide();
    delay_.setSingleShot(true);
    delay_.setInterval(kDelayMs);
    connect(&delay_, &QTimer::timeout, this, &QWidget::show);
}

void CalculationIndicator::SetRunning(bool running) {
    if (running) {
        delay_.start();
        return;
    }
    delay_.stop();
    hide();
}
