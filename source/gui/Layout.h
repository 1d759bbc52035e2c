#pragma once
// Layout: children aligned in, or packed along, their parent's layout
// rectangle and stretched into the space left. A pass measures bottom-up,
// then sizes and places top-down; it never moves the widget it starts on.

namespace GUI {

class Widget;

void applyLayout(Widget &root);
// Natural rectangles of the subtree, children first.
void measure(Widget &widget);
// Layout rectangles and positions of the children, then theirs.
void arrange(Widget &widget);

} // namespace GUI
