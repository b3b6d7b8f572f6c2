#pragma once
// Everything the top's program keeps: the initial conditions the window edits,
// the current state its readouts show, the trace, and the switches the window
// sets. A default State is the program's start: the axle horizontal along +y,
// spinning at 10 Hz, paused, gravity off, every trace slot at the initial tip.

#include <array>
#include <cstdint>

#include "gyroscope/parameters.h"
#include "math/math3d.h"

namespace gyroscope {

using TraceRing = std::array<float, TraceLength>;

inline TraceRing FilledRing(float value) {
  TraceRing ring;
  ring.fill(value);
  return ring;
}

// Angular momentum in space axes of the top in `orientation` turning at
// `body_omega` about its body axes.
inline math3d::Vector3 SpaceMomentum(const math3d::Matrix3x3& orientation,
                                     const math3d::Vector3& body_omega) {
  const math3d::Vector3& w = body_omega;
  return orientation *
         math3d::Vector3(InertiaX * w.GetX(), InertiaY * w.GetY(), InertiaZ * w.GetZ());
}

struct State {
  // Gravitational acceleration in effect (m/s^2); 0 while gravity is switched off.
  float Gravity = 0.0f;
  // What switching gravity on applies.
  float GravitySetting = 2.5f;

  math3d::Matrix3x3 InitialOrientation = math3d::EulerOrientation(0.0f, 270.0f, 0.0f);
  // Body axes, rad/s; its z is the spin every step keeps.
  math3d::Vector3 InitialBodyOmega{0.0f, 0.0f, HertzToRadiansPerSecond(10.0)};
  math3d::Vector3 InitialOmega = InitialOrientation * InitialBodyOmega;  // space axes
  math3d::Vector3 InitialMomentum = SpaceMomentum(InitialOrientation, InitialBodyOmega);
  math3d::Vector3 InitialCentre = InitialOrientation * math3d::Vector3(0.0f, 0.0f, ArmLength);
  math3d::Vector3 InitialTip = InitialOrientation * math3d::Vector3(0.0f, 0.0f, InitialTipDistance);

  math3d::Matrix3x3 Orientation = InitialOrientation;  // maps body axes to space axes
  math3d::Vector3 Omega = InitialOmega;                // space axes, rad/s
  math3d::Vector3 BodyOmega = InitialBodyOmega;        // body axes, rad/s
  math3d::Vector3 Momentum = InitialMomentum;          // space axes
  math3d::Vector3 Centre = InitialCentre;              // centre of mass
  math3d::Vector3 Tip;                                 // end of the axle, the traced point
  float TipX = 0.0f, TipY = 0.0f, TipZ = 0.0f;

  // Degrees, counter-clockwise seen from above.
  float TipAzimuth = 0.0f;
  float ReferenceAzimuth = 0.0f;    // at the last reset of the world
  float MeasuredPrecession = 0.0f;  // rad/s

  float KineticEnergy = 0.0f;
  float PotentialEnergy = 0.0f;
  float MechanicalEnergy = 0.0f;

  // RevolutionCount runs one ahead of RevolutionMark once the tip has passed below
  // the reference azimuth; the trace catches the mark up when it passes above again.
  std::int32_t RevolutionMark = 0;
  std::int32_t RevolutionCount = 0;

  // Ring of the tip's recent positions, one per frame that ends TraceSpacingUs or
  // more after the last point; TracePos is the next slot.
  TraceRing TraceX = FilledRing(InitialTip.GetX());
  TraceRing TraceY = FilledRing(InitialTip.GetY());
  TraceRing TraceZ = FilledRing(InitialTip.GetZ());
  int TracePos = 0;
  std::uint32_t UntracedUs = 0;  // world time since the last point, under TraceSpacingUs

  bool Running = false;
  bool ShowAxes = true;
  bool ShowTrajectory = true;
  bool ShowVectors = false;  // read by the drawing only
};

}  // namespace gyroscope
