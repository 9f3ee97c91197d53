// What the reader and the writer of 2D elements share: the element codes and the layout.
#pragma once

#include "tessaform_export.h"

namespace cadcam
{
/// The stored form of a 2D element: its type code (ENUM), then its record:
///
/// | Code | Element     | Record                                                              |
/// |------|-------------|---------------------------------------------------------------------|
/// | 0    | point       | x, y (F64)                                                          |
/// | 1    | line        | start point, end point, each a whole element of code 0              |
/// | 2    | arc         | centre (element of code 0), radius, start angle, the sweep's size    |
/// |      |             | (F64, degrees), direction (ENUM: 0 counter-clockwise, 1 clockwise)  |
/// | 3    | spline      | not stored                                                          |
/// | 4    | polyline    | vertex count (SIZE), then each vertex as an element of code 0       |
/// | 5    | contour     | member count (SIZE), then each member as a whole element            |
/// | 6    | closed contour, 8 ellipse, 9 Bezier: not stored                                  |
/// | 7    | parabola    | vertex S, far point E (elements of code 0), travel (ENUM: 0 from S  |
/// |      |             | to E, 1 from E to S)                                                |
///
/// The arc and the parabola end with their direction: nothing follows it. A polyline is read
/// from any elements a polyline accepts (points, lines, polylines), so a polyline stored as its
/// segments reads back too. Contours nest at most kMaxNesting deep.
class TESSAFORM_API qzBIO2dGeometry
{
public:
    /// Type codes of the stored elements, as listed above.
    enum geometryType : int
    {
        POINT = 0,
        LINE = 1,
        ARC = 2,
        SPLINE = 3,
        POLYLINE = 4,
        CONTOUR = 5,
        CLOSED_CONTOUR = 6,
        PARABOLA = 7,
        ELLIPSE = 8,
        BEZIER = 9
    };

    /// Stored direction of an arc's sweep.
    enum arcDirection : int
    {
        COUNTER_CLOCKWISE = 0,
        CLOCKWISE = 1
    };

    /// Stored direction of travel along a parabola: from its vertex S to E, or back to S.
    enum parabolaTravel : int
    {
        FROM_VERTEX = 0,
        TO_VERTEX = 1
    };

    /// Deepest nesting of contours and polylines a reader accepts; stored data of real profiles
    /// stay far below it, and the limit keeps hostile data from exhausting the call stack.
    static constexpr unsigned kMaxNesting = 64;
};
} // namespace cadcam
