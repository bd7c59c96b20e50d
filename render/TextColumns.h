#pragma once
// The text columns of a page (observation notes, in-situ tests, samples,
// recovery ratio and qu, drilling dates), the free-notes box and the footer.
namespace kolv {

struct DrawContext;

void drawObservationNotes(DrawContext& context);
void drawInSituTests(DrawContext& context);
void drawSamples(DrawContext& context);
void drawRecoveryAndQu(DrawContext& context);
void drawDrillingDates(DrawContext& context);
void drawFreeNotes(DrawContext& context);
void drawPageFooter(DrawContext& context);

}  // namespace kolv
