#pragma once
// The running position of the observation notes. Notes are laid out one
// after the other down the notes column; a note starts at its own depth
// unless the text of the notes above reaches further down, so a long note
// pushes the following ones down instead of overlapping them. A note that
// would run past the bottom of the printed page it starts on moves whole to
// the next page, so no page shows a note cut in two.
namespace kolv {

struct NotePlacement {
    double leaderDepth = 0.0;  // the line the leader runs along, above the text
    double textTop = 0.0;
};

// The printed pages, in depths: page p shows firstStart + step x (p - 1)
// down to that plus depth.
struct NotePages {
    double firstStart = 0.0;
    double step = 1.0;
    double depth = 1.0;
};

class ObservationCursor {
public:
    // Notes laid out without regard to pages.
    ObservationCursor() = default;
    explicit ObservationCursor(const NotePages& pages) : pages_(pages), paged_(true) {}

    // Where the note of the given upper depth and text height goes.
    NotePlacement begin(double upperDepth, double textHeight = 0.0);
    // The note just begun took textHeight metres; the next one starts below.
    void end(double textHeight);
    // The depth the text of the last note reaches.
    double bottom() const { return position_; }

private:
    // The bottom of the first page that shows depth (pages may overlap);
    // depth itself when no page shows it.
    double bottomOfFirstPageAt(double depth) const;

    NotePages pages_;
    bool paged_ = false;
    double position_ = 0.0;
    double textTop_ = 0.0;
};

}  // namespace kolv
