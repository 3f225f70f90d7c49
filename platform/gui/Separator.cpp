#include "platform/gui/Separator.h"

#include <QAccessibleWidget>
#include <QFrame>

namespace {

// A sunken horizontal line, told to screen readers as a separator rather
// than as a frame.
class SeparatorLine : public QFrame {
public:
    explicit SeparatorLine(QWidget* parent) : QFrame(parent) {
        static const bool factoryInstalled = (QAccessible::installFactory(Factory), true);
        (void)factoryInstalled;
        setFrameShape(QFrame::HLine);
        setFrameShadow(QFrame::Sunken);
    }

private:
    static QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
        auto* line = dynamic_cast<SeparatorLine*>(object);
        return line ? new QAccessibleWidget(line, QAccessible::Separator) : nullptr;
    }
};

} // namespace

Separator::Separator(Window& window, std::string name) : Control(window, std::move(name)) {
    Attach(new SeparatorLine(ContentWidget()));
}
