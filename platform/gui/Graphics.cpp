#include "platform/gui/Graphics.h"

#include <QPainter>

Graphics::Graphics(QPainter& painter, const QRect& area)
    : painter_(painter), width_(area.width()), height_(area.height()) {
    painter_.save();
    painter_.translate(area.topLeft());
    painter_.setClipRect(0, 0, width_, height_, Qt::IntersectClip);
}

Graphics::~Graphics() {
    painter_.restore();
}

void Graphics::FillRect(int x, int y, int width, int height) {
    painter_.fillRect(x, y, width, height,
                      QColor(foreColor_.red, foreColor_.green, foreColor_.blue));
}
