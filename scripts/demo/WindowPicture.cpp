#include "scripts/demo/WindowPicture.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

#include "platform/gui/Window.h"

namespace demo {

namespace {

constexpr int kMargin = 16;
const QColor kBackdrop(0x5f, 0x6f, 0x82);
const QColor kEdge(0x30, 0x30, 0x30);

} // namespace

void SaveWindowPicture(const std::vector<const Window*>& windows, const std::string& path) {
    // Whatever a step changed is laid out and painted first.
    QApplication::processEvents();
    std::vector<QImage> shots;
    int width = kMargin;
    int height = 0;
    for (const Window* window : windows) {
        shots.push_back(window->FrameWidget()->grab().toImage());
        width += shots.back().width() + kMargin;
        height = std::max(height, shots.back().height());
    }
    QImage picture(width, height + 2 * kMargin, QImage::Format_RGB32);
    picture.fill(kBackdrop);
    QPainter painter(&picture);
    int left = kMargin;
    for (const QImage& shot : shots) {
        painter.drawImage(left, kMargin, shot);
        painter.setPen(kEdge);
        painter.drawRect(left - 1, kMargin - 1, shot.width() + 1, shot.height() + 1);
        left += shot.width() + kMargin;
    }
    painter.end();
    if (!picture.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write " + path);
}

} // namespace demo
