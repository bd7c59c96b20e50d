#pragma once
// The running position of the observation notes. Notes are laid out one
// after the other down the notes column; a note starts at its own depth
// unless the text of the notes above reaches further down, so a long note
// pushes the following ones down instead of overlapping them.
namespace kolv {

struct NotePlacement {
    double leaderDepth = 0.0;  // the line the leader runs along, above the text
    double textTop = 0.0;
};

class ObservationCursor {
public:
    // Where the note of the given upper depth goes.
    NotePlacement begin(double upperDepth);
    // The note just begun took textHeight metres; the next one starts below.
    void end(double textHeight);

private:
    double position_ = 0.0;
    double textTop_ = 0.0;
};

}  // namespace kolv
