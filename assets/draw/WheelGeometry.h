#pragma once

#include <QPointF>

#include <array>
#include <cmath>

// Where things sit on the drawn wheel. The drawing program and the tests of
// the pictures both use it, so a ball drawn in the wrong pocket shows up as a
// failed test instead of a wrong picture on screen.
namespace rotamind::artwork {

inline constexpr int kPocketCount = 37;

// Radii as fractions of the picture's side, from the outside in.
inline constexpr double kWheelEdge = 0.492;   // outer edge of the wooden rim
inline constexpr double kBallTrack = 0.459;   // centre line of the balls
inline constexpr double kBallRadius = 0.024;  // radius of one ball
inline constexpr double kNumberOuter = 0.425; // outer edge of the number ring
inline constexpr double kNumberText = 0.384;  // centre line of the numbers
inline constexpr double kNumberInner = 0.342; // inner edge of the number ring
inline constexpr double kPocketInner = 0.285; // inner edge of the pockets
inline constexpr double kConeInner = 0.125;   // edge of the turret's base

// Angle of the pocket at wheel position 0..36, degrees clockwise from the top.
inline double pocketAngle(int position) {
    return position * 360.0 / kPocketCount;
}

// Point at `radius` (fraction of the side) and `degrees` clockwise from the
// top, in pixels of a picture `side` pixels square.
inline QPointF polarPoint(double side, double radius, double degrees) {
    const double rad = degrees * 3.14159265358979323846 / 180.0;
    return {side / 2.0 + side * radius * std::sin(rad), side / 2.0 - side * radius * std::cos(rad)};
}

// Centre of the ball over the pocket at wheel position 0..36, in pixels.
inline QPointF ballCentre(double side, int position) {
    return polarPoint(side, kBallTrack, pocketAngle(position));
}

} // namespace rotamind::artwork
