#ifndef KWEP_CARROTRECORD_H
#define KWEP_CARROTRECORD_H

namespace KWEP {

// What the carrot did in one level, for the words of the end page: the play
// notices (taken, let go, a hit, the rock thrown) and how far towards the
// snowman the carrot got once let go. A lost game's ending rule has one
// variant per outcome, named by the rule and the outcome's suffix.
class CarrotRecord {
public:
    enum Outcome {
        UNTAKEN, // the carrot was never taken
        HELD,    // taken and never let go
        LATE,    // let go only after the snowman threw its rock
        HIT,     // it struck the snowman, which stood
        WIDE,    // let go in time, it passed the snowman without touching it
        SHORT    // let go in time, it never got as far as the snowman
    };

    CarrotRecord();

    // A new level: nothing done yet.
    void clear();
    // A play notice by its event id; other ids are ignored.
    void note(long eventId);
    // The carrot's and the snowman's x in the plane of play, once per update.
    void noteFlight(float carrotX, float snowmanX);
    // Whether the flight is still worth watching: let go, not taken again,
    // and no hit yet.
    bool inFlight() const;

    Outcome outcome() const;
    // "_UNTAKEN", "_HELD", "_LATE", "_HIT", "_WIDE" or "_SHORT".
    static const char* suffix(Outcome outcome);

private:
    bool m_taken;
    bool m_holding;
    bool m_letGoEarly;  // let go before the rock was thrown
    bool m_letGoLate;   // let go after it
    bool m_hitEarly;    // struck the snowman before the rock was thrown
    bool m_hitLate;
    bool m_rockThrown;
    bool m_reached;     // once let go, it got as far as the snowman's middle
};

} // namespace KWEP

#endif
