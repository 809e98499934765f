#pragma once
// Frames a document on the face in its picture: the scale that gives the head the height the
// format asks for (the middle of its range, or the face box's height when the format states
// none), the offsets that put the eye line in the middle of the eyes band and the face on the
// centre line. Eyes tilted by more than a degree are levelled first by turning the picture.

#include "core/analysis/FaceFeatures.h"

#include <optional>

class FaceFinder;
class Fotino;

class AutoFrame {
public:
    enum class Outcome { Framed, NoFace, NoPicture };

    struct Result {
        Outcome outcome = Outcome::NoPicture;
        // The face in the document's picture as it is now (after any levelling).
        std::optional<FaceFeatures> face;
        // The angle the picture was turned by to level the eyes; 0 when it was not.
        double levelledByDegrees = 0;
    };

    // Tilts of at most this many degrees are left alone.
    static constexpr double kLevelTolerance = 1.0;

    // Looks for the face and frames the document on it; without a face the document is left
    // exactly as it was.
    static Result frame(Fotino& document, const FaceFinder& finder);
    // Frames the document on a face already found in its current picture.
    static void frameOnFace(Fotino& document, const FaceFeatures& face);
};
