#pragma once
// What both styled push buttons share: only the button's region answers the pointer (a
// press in a corner outside it takes the focus and nothing else; a release outside it
// sends nothing), and the button is hot while the pointer is over that region.

#include <QEvent>
#include <QMouseEvent>

#include "ui/controls/button_outlines.h"

template <class Button> class RegionButton : public Button {
  public:
    RegionButton(ButtonShape shape, QWidget* parent) : Button(parent), shape_(shape) {
        this->setMouseTracking(true);
    }

    ButtonShape Shape() const { return shape_; }
    bool IsHot() const { return hot_; }

  protected:
    bool hitButton(const QPoint& point) const override { return InButtonRegion(shape_, point, this->size()); }

    void mouseMoveEvent(QMouseEvent* event) override {
        SetHot(hitButton(event->position().toPoint()));
        Button::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        Button::mouseReleaseEvent(event);
        SetHot(hitButton(event->position().toPoint()));
    }
    void leaveEvent(QEvent* event) override {
        SetHot(false);
        Button::leaveEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        Button::focusInEvent(event);
        this->update(); // the default rings follow the focus
    }
    void focusOutEvent(QFocusEvent* event) override {
        Button::focusOutEvent(event);
        this->update();
    }

  private:
    void SetHot(bool hot) {
        if (hot == hot_)
            return;
        hot_ = hot;
        this->update();
    }

    ButtonShape shape_;
    bool hot_ = false;
};
