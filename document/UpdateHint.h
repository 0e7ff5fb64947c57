#pragma once

// What changed in the document, sent to every view but the one that caused it.
enum class UpdateHint {
    HINT_INITIAL = 0, // after each successful open or new document
    HINT_NODE_SELECTED = 1,
    HINT_PHOTO_CHANGED = 2,
    HINT_DRAWING_SELECTED = 3,
    HINT_LAYOUT_CHANGED = 4,
    HINT_ORDER_CHANGED = 5, // a search began, changed or ended; the current photo may be another
    HINT_CLEAR = 255, // an open is about to read a file: views empty themselves
};
