#pragma once
// The look of check box squares and radio button circles. The toolkit's style fills
// them from the palette that the caption's colours come from: a window that writes its
// captions in yellow on its own dark frames (the options window) got squares as dark as
// what lies around them, and so would any window that colours a caption on the
// gradient. Drawn in this style, every square and circle is light with a dark mark and
// border, whatever the caption's colours, so that it stands out from the bands and from
// a frame's own colour alike.

namespace ui {

// Makes the application's style draw the light squares and circles; the rest of its
// look stays as it was. The program calls it once, right after creating the application.
void useVisibleIndicators();

} // namespace ui
