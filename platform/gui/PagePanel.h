#pragma once
// A panel of pages: the controls placed on page n are seen only while Value
// is n. Setting Value, from code or not, raises OnChange when it changes. A
// value outside 0 .. PageCount-1 is kept as it is and shows no page.

#include <functional>

#include "platform/gui/Control.h"

class PagePanel : public Control {
public:
    PagePanel(Window& window, std::string name);

    int PageCount() const { return pageCount_; }
    void SetPageCount(int count);

    int Value() const { return value_; }
    void SetValue(int value);

    std::function<void()> OnChange;

protected:
    bool ShowsPage(int panelIndex) const override;

private:
    int pageCount_ = 1;
    int value_ = 0;
};
