#include "ui/keypad/button_pointer.h"

namespace {

// Sets a flag; returns whether it changed.
bool Set(bool& flag, bool value) {
    const bool changed = flag != value;
    flag = value;
    return changed;
}

} // namespace

bool ButtonPointer::Enter(bool vantor, PointerHit hit) {
    tracking_ = true;
    hover_ = true;
    if (vantor)
        insideFace_ = hit.inCapsule;
    return true;
}

bool ButtonPointer::Move(bool vantor, PointerHit hit) {
    bool repaint = false;
    if (vantor)
        repaint |= Set(insideFace_, hit.inCapsule);
    if (!tracking_) {
        // Moving on the key without an enter notice, as after a capture: hovering all the same.
        tracking_ = true;
        hover_ = true;
        repaint = true;
    }
    if (captured_)
        repaint |= Set(pressedLook_, vantor ? insideFace_ : hit.inRect);
    return repaint;
}

bool ButtonPointer::Leave() {
    hover_ = false;
    tracking_ = false;
    return true;
}

bool ButtonPointer::Press(bool vantor, PointerHit hit) {
    if (vantor && !hit.inCapsule)
        return false;
    captured_ = true;
    pressedLook_ = true;
    return true;
}

bool ButtonPointer::CaptureLost(bool vantor, PointerHit hit) {
    if (!captured_)
        return false;
    captured_ = false;
    if (vantor)
        insideFace_ = hover_ = hit.inCapsule;
    else
        hover_ = hit.inRect;
    pressedLook_ = false;
    return true;
}

bool ButtonPointer::Release(bool vantor, PointerHit hit) {
    if (!CaptureLost(vantor, hit))
        return false;
    return !vantor || hit.inCapsule;
}
