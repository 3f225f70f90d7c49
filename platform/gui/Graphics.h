#pragma once
// The drawing surface that paint events receive: one area of a widget (a
// list cell, say), with (0, 0) at its top left and everything drawn clipped
// to it. Valid only during the event that hands it over.

#include "platform/gui/Color.h"

class QPainter;
class QRect;

class Graphics {
public:
    // Draws through `painter` into `area`, given in the painter's coordinates.
    Graphics(QPainter& painter, const QRect& area);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color) { foreColor_ = color; }

    // Fills the rectangle with the fore colour.
    void FillRect(int x, int y, int width, int height);

private:
    QPainter& painter_;
    int width_;
    int height_;
    Color foreColor_;
};
