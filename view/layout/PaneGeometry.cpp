// Where the number column, the panes and the separators of the view lie for a client size.
#include "PaneGeometry.h"

PaneGeometry ComputePaneGeometry(int clientWidth, int clientHeight, int charWidth, int thumbWidth, bool threePanes) {
    PaneGeometry g;
    const int c = charWidth, s = thumbWidth;
    g.charWidth = c;
    g.numberWidth = 7 * c;
    g.clientWidth = clientWidth;
    g.clientHeight = clientHeight;
    g.paneCount = threePanes ? 3 : 2;
    g.left[0] = g.numberWidth;
    int width = threePanes ? (clientWidth - g.numberWidth - 2 * c - s - 10) / 3
                           : (clientWidth - g.numberWidth - c - s - 5) / 2;
    // A laid-out width of 0 means "not laid out", so a pane is never narrower than one pixel.
    g.paneWidth = width < 1 ? 1 : width;
    g.left[1] = g.left[0] + g.paneWidth + c + (threePanes ? 5 : 0);
    if (threePanes)
        g.left[2] = g.left[1] + g.paneWidth + c;
    g.rightLimit = clientWidth + c / 2 - s - 1;
    return g;
}

int PaneGeometry::Boundary(int k) const {
    int x = k < paneCount ? left[k] : rightLimit;
    return x - charWidth / 2;
}

int PaneGeometry::PaneAt(int x) const {
    if (x < Boundary(0))
        return -1;
    int pane = 0;
    while (pane + 1 < paneCount && x >= Boundary(pane + 1))
        ++pane;
    return pane;
}
