#include "platform/gui/ProgressWheel.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// Twelve spokes, the leading one darkest, turning one step per tick while shown.
class Wheel : public QWidget {
public:
    explicit Wheel(QWidget* parent) : QWidget(parent) {
        timer_.setInterval(80);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            step_ = (step_ + 1) % kSpokes;
            update();
        });
        // What a screen reader says of the turning wheel.
        setAccessibleName(QStringLiteral("処理中"));
    }

protected:
    void showEvent(QShowEvent*) override { timer_.start(); }
    void hideEvent(QHideEvent*) override { timer_.stop(); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double side = std::min(width(), height());
        painter.translate(width() / 2.0, height() / 2.0);
        QPen pen(palette().color(QPalette::WindowText));
        pen.setWidthF(std::max(1.5, side / 10));
        pen.setCapStyle(Qt::RoundCap);
        for (int spoke = 0; spoke < kSpokes; ++spoke) {
            const int age = (step_ - spoke + kSpokes) % kSpokes;
            QColor color = pen.color();
            color.setAlphaF(1.0 - age / static_cast<double>(kSpokes));
            pen.setColor(color);
            painter.setPen(pen);
            painter.save();
            painter.rotate(spoke * 360.0 / kSpokes);
            painter.drawLine(QPointF(0, -side / 4), QPointF(0, -side / 2 + pen.widthF()));
            painter.restore();
        }
    }

private:
    static constexpr int kSpokes = 12;
    QTimer timer_;
    int step_ = 0;
};

} // namespace

ProgressWheel::ProgressWheel(Window& window, std::string name) : Control(window, std::move(name)) {
    Attach(new Wheel(ContentWidget()));
}
