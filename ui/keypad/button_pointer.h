#pragma once
// How a key follows the pointer: hovering, the press that began on it, the pressed look
// while the pointer moves out and in, and whether the release completes the press. In
// the Vantor style only the capsule counts, not the rectangle around it.

// Where the pointer is, as the key sees it.
struct PointerHit {
    bool inCapsule = false; // inside the Vantor capsule
    bool inRect = false;    // inside the key's rectangle
};

class ButtonPointer {
  public:
    // Each returns whether the key must be repainted.
    // Hovering starts when the pointer enters and ends when it leaves.
    bool Enter(bool vantor, PointerHit hit);
    bool Move(bool vantor, PointerHit hit);
    bool Leave();
    bool Press(bool vantor, PointerHit hit);
    // Something else took the pointer away: no command, the hover follows the pointer.
    bool CaptureLost(bool vantor, PointerHit hit);

    // Returns whether the press completes: only after a press that began on the key, and
    // in the Vantor style only on the capsule.
    bool Release(bool vantor, PointerHit hit);

    bool Captured() const { return captured_; }
    bool Hover() const { return hover_; }
    bool InsideFace() const { return insideFace_; }
    bool PressedLook() const { return pressedLook_; }

  private:
    bool captured_ = false;
    bool insideFace_ = false; // kept only in the Vantor style
    bool hover_ = false;
    bool pressedLook_ = false;
    bool tracking_ = false; // the pointer's leaving will be reported
};
