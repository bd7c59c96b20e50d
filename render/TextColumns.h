#pragma once
// The text columns of a page (observation notes, in-situ tests, samples,
// recovery ratio and qu, drilling dates), the free-notes box and the footer.
#include <vector>

namespace kolv {

struct DrawContext;

// A box in log coordinates.
struct LogBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// Where the drilling-date marks of the page go (in the current font, which
// must be the body font): the depth-scale numbers keep clear of them.
std::vector<LogBox> drillingDateBoxes(DrawContext& context);

void drawObservationNotes(DrawContext& context);
// The depth the text of the last observation note reaches when the notes are
// laid out on the printed pages; 0 without notes.
double observationNotesBottom(DrawContext& context);
void drawInSituTests(DrawContext& context);
void drawSamples(DrawContext& context);
void drawRecoveryAndQu(DrawContext& context);
void drawDrillingDates(DrawContext& context);
void drawFreeNotes(DrawContext& context);
void drawPageFooter(DrawContext& context);

}  // namespace kolv
