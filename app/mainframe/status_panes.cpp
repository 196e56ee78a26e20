#include "app/mainframe/status_panes.h"

#include <QLabel>
#include <QStatusBar>

#include "engine/core/format.h"
#include "engine/driver/calculate.h"
#include "engine/state/engine_state.h"

namespace {

struct IndicatorPane {
    const char* name;
    const char16_t* sizingText;
};

constexpr IndicatorPane kPanes[] = {
    {"ResultIndicator", u"RESULT=-8.8888888888888888E+888 + i*8.8888888888888888E+888"},
    {"UnitIndicator", u"Grad"},
    {"SSE2Indicator", u"SSE2"},
    {"CapsLockIndicator", u"CAP"},
    {"NumLockIndicator", u"NUM"},
};

} // namespace

QString UnitIndicatorText(int trigonometricUnits) {
    switch (trigonometricUnits) {
    case 1:
        return QStringLiteral("Deg");
    case 2:
        return QStringLiteral("Grad");
    default:
        return QStringLiteral("Rad");
    }
}

QString ResultIndicatorText(int formatI) {
    const std::u16string value = NCalculatorText::FormatComplex(
        NCalculatorText::engineState.previousResult,
        NCalculatorText::DisplayFormat(NCalculatorText::ImaginaryLetterFromPreference(formatI)));
    return QStringLiteral("rslt = ") + QString::fromUtf16(value.data(), static_cast<qsizetype>(value.size()));
}

StatusPanes::StatusPanes(QStatusBar* bar, const QString& ledsDirectory)
    : QObject(bar), lockKeyLights_(FindLockKeyLights(ledsDirectory)) {
    for (int i = 0; i < 5; ++i) {
        const QString sizing = QString::fromUtf16(kPanes[i].sizingText);
        auto* label = new QLabel(sizing, bar);
        label->setObjectName(QLatin1String(kPanes[i].name));
        label->setAccessibleName(QLatin1String(kPanes[i].name));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(sizing) +
                               label->fontMetrics().averageCharWidth() * 2);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(label);
        labels_[i] = label;
    }
    labels_[static_cast<int>(StatusPane::SSE2)]->clear();
    labels_[static_cast<int>(StatusPane::Result)]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    RefreshLockKeys();
    if (lockKeyLights_.IsEmpty())
        return;
    connect(&lockKeyTimer_, &QTimer::timeout, this, &StatusPanes::RefreshLockKeys);
    lockKeyTimer_.start(250);
}

void StatusPanes::RefreshLockKeys() {
    const LockKeyStates states = ReadLockKeyStates(lockKeyLights_);
    SetText(StatusPane::CapsLock, states.capsLock ? QStringLiteral("CAP") : QString());
    SetText(StatusPane::NumLock, states.numLock ? QStringLiteral("NUM") : QString());
}

void StatusPanes::SetText(StatusPane pane, const QString& text) {
    QLabel* label = labels_[static_cast<int>(pane)];
    if (label->text() != text)
        label->setText(text);
}

QString StatusPanes::Text(StatusPane pane) const {
    return labels_[static_cast<int>(pane)]->text();
}
