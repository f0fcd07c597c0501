// Where the number column, the panes and the separators of the view lie for a client size.
#pragma once

struct PaneGeometry {
    int charWidth = 0;    // g: average character width of the number font
    int numberWidth = 0;  // N = 7 g
    int paneWidth = 1;    // W, the same for every pane
    int left[3] = {};     // X0, X1 and (three panes) X2
    int rightLimit = 0;   // X2 with two panes, X3 with three
    int clientWidth = 0;
    int clientHeight = 0; // H
    int paneCount = 2;

    // x of the separator before pane k (k = paneCount: after the last pane).
    int Boundary(int k) const;
    // The pane a point's x lies in, by the separators; -1 in the number column.
    int PaneAt(int x) const;
};

// thumbWidth is the system's vertical scroll-bar thumb width S.
PaneGeometry ComputePaneGeometry(int clientWidth, int clientHeight, int charWidth, int thumbWidth, bool threePanes);
