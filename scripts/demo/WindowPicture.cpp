#include "scripts/demo/WindowPicture.h"

#include <QApplication>
#include <QElapsedTimer>
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
constexpr qint64 kSettleLimitMs = 1000;
const QColor kBackdrop(0x5f, 0x6f, 0x82);
const QColor kEdge(0x30, 0x30, 0x30);

bool DrawingHeldBack(const std::vector<const Window*>& windows) {
    for (const Window* window : windows)
        for (const QWidget* widget : window->FrameWidget()->findChildren<QWidget*>())
            if (!widget->updatesEnabled())
                return true;
    return false;
}

// Whatever a step changed is laid out and painted first, once a view that
// holds its drawing back while its rows change draws again: a view held
// back is grabbed black.
void Settle(const std::vector<const Window*>& windows) {
    QApplication::processEvents();
    QElapsedTimer waited;
    waited.start();
    while (DrawingHeldBack(windows) && waited.elapsed() < kSettleLimitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
}

} // namespace

void SaveWindowPicture(const std::vector<const Window*>& windows, const std::string& path) {
    Settle(windows);
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
