#pragma once
// SplitbayCtl's state and the steps of its layout and drag handling, kept out
// of the public header.

#include "splitbay6/SplitbayCtl.h"

#include "Screen.h"

#include <cstdint>
#include <memory>

namespace splitbay6 {

class MDICtl1;

struct SplitbayCtl::Private {
    Private(SplitbayCtl &pane, std::shared_ptr<Screen> screen);

    // The layout pass (SplitbayLayout.cpp).
    void runLayout();
    void configureBar();
    void placeBar();
    void storeFreeArea();
    void enforceMinimumSize();
    bool setHeightTwips(double twips);
    bool setWidthTwips(double twips);

    void setCloseBoxHot(bool hot);
    double widthTwips() const;
    double heightTwips() const;
    void onSplitterBegin();
    void onSplitterEnd(float newPos);

    SplitbayCtl &q;
    std::shared_ptr<Screen> screen;
    float ScaleLeft = 0;
    float ScaleHeight = 0;
    float ScaleWidth = 0;
    float ScaleTop = 0;
    float Min = 10;
    float Max = 10;
    Alignment alignment = AlignNone;
    bool designMode = false;
    bool inLayout = false;
    int layoutCount = 0;
    bool closeBoxHot = false;
    int32_t hWndMDIClient = 0;
    MDICtl1 *MDICtl = nullptr;
};

}   // namespace splitbay6
