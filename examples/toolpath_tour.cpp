// Builds a two-pass 5-axis toolpath of contours and links, counts its moves, finds the link
// moves, converts it from millimetres to inches and compares it with a resampled copy.
#include "tessaform.h"

#include <cmath>
#include <cstdio>

using cadcam::qz5axMove;
using cadcam::qzTPContour;
using cadcam::qzTPLink;
using cadcam::qzTPPass;
using cadcam::qzTPSection;
using cadcam::qzTPSlice;
using cadcam::qzToolPath;
using misc::qzAutoPointer;
using Point = cadcam::qzCNCMove::Point;

namespace
{
const double kPi = 3.14159265358979323846;

qzAutoPointer<cadcam::qzCNCMove> Move(const Point& position, const Point& axis, bool rapid = false)
{
    auto move = misc::qzMakeAutoPointer<qz5axMove>(position, axis);
    move->SetRapidMove(rapid);
    move->SetFeedRate(rapid ? 0.0 : 1200.0);
    return move;
}

// A circle of radius 20 at height z, tool tilted 10 degrees outwards; `steps` segments.
qzAutoPointer<qzTPSection> Circle(double z, int steps)
{
    auto contour = misc::qzMakeAutoPointer<qzTPContour>();
    const double tilt = 10.0 * kPi / 180.0;
    for (int i = 0; i <= steps; ++i)
    {
        const double a = 2.0 * kPi * i / steps;
        const Point radial(std::cos(a), std::sin(a), 0.0);
        contour->PushBackMove(Move(radial * 20.0 + Point(0, 0, z),
                                   radial * std::sin(tilt) + Point(0, 0, std::cos(tilt))));
    }
    return contour;
}

qzAutoPointer<qzTPSection> Link(qzTPLink::Types type, const Point& from, const Point& to)
{
    auto link = misc::qzMakeAutoPointer<qzTPLink>(type);
    link->PushBackMove(Move(from, Point(0, 0, 1), true));
    link->PushBackMove(Move(to, Point(0, 0, 1), true));
    return link;
}

// Two passes, each: approach link, the circle, retract link. `steps` sets the sampling.
qzToolPath Build(int steps)
{
    qzToolPath path(measures::qzUnitsFactory::METRIC);
    for (double z : {0.0, -2.0})
    {
        auto slice = misc::qzMakeAutoPointer<qzTPSlice>();
        slice->PushBack(Link(qzTPLink::LEAD_IN, Point(20, 0, 50), Point(20, 0, z + 5)));
        slice->PushBack(Circle(z, steps));
        slice->PushBack(Link(qzTPLink::LEAD_OUT, Point(20, 0, z + 5), Point(20, 0, 50)));
        auto pass = misc::qzMakeAutoPointer<qzTPPass>();
        pass->PushBack(slice);
        path.PushBack(pass);
    }
    return path;
}
} // namespace

int main()
{
    qzToolPath path = Build(360);
    std::printf("toolpath: %lu passes, %lu moves, empty: %s\n", path.GetPassesCount(), path.GetMovesCount(),
                path.IsEmpty() ? "yes" : "no");

    unsigned links = 0, leadIns = 0;
    for (auto it = path.GetMovesBegin(); it != path.GetMovesEnd(); ++it)
        if (path.IsPartOfALink(it))
        {
            ++links;
            leadIns += path.GetLinkType(it) == qzTPLink::LEAD_IN;
        }
    std::printf("link moves: %u (lead-in %u), cutting moves: %lu\n", links, leadIns, path.GetMovesCount() - links);

    // The same circles sampled twice as finely: the sampling differs, the geometry does not.
    qzToolPath fine = Build(720);
    path.SetUnits(measures::qzUnitsFactory::INCH, true);
    fine.SetUnits(measures::qzUnitsFactory::INCH, true);
    const Point& first = (*path.GetMovesBegin())->GetPosition();
    std::printf("in inches, first move at (%.4f, %.4f, %.4f)\n", first[0], first[1], first[2]);

    // Chord error of a 360-gon of radius 20 mm is 0.0076 mm; tolerances 0.001 inch (0.0254 mm).
    const double tolerance = 0.001, axisDistance = 1.0;
    std::printf("fine copy: %lu moves; equal move by move: %s; same path: %s\n", fine.GetMovesCount(),
                path == fine ? "yes" : "no",
                path.RealCompare(fine, tolerance, tolerance, axisDistance) ? "yes" : "no");

    // Push one move of the fine copy 0.01 inch off the path.
    auto moved = fine.GetMovesBegin();
    for (int i = 0; i < 100; ++i)
        ++moved;
    (*moved)->SetPosition((*moved)->GetPosition() + Point(0, 0, 0.01));
    std::printf("after displacing one move: same path: %s\n",
                path.RealCompare(fine, tolerance, tolerance, axisDistance) ? "yes" : "no");
    return 0;
}
