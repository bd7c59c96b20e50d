#include "render/TextColumns.h"

namespace kolv {

void drawObservationNotes(DrawContext&) {}
void drawInSituTests(DrawContext&) {}
void drawSamples(DrawContext&) {}
void drawRecoveryAndQu(DrawContext&) {}
void drawDrillingDates(DrawContext&) {}
void drawFreeNotes(DrawContext&) {}
void drawPageFooter(DrawContext&) {}

}  // namespace kolv
