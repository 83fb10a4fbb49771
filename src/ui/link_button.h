#pragma once

class QPushButton;
class QToolButton;

namespace vesmira {

// A flat button that opens a page: link-coloured and underlined, with a frame when the
// pointer is over it and another, in the highlight colour, when it has the keyboard focus.
// A bare flat button shows neither, so a keyboard user cannot tell where the focus is.
void ShowAsLink(QPushButton* button);

// The same hover and focus frames for a flat picture button.
void ShowHoverAndFocus(QToolButton* button);

}  // namespace vesmira
