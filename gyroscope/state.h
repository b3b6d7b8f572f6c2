#pragma once
// State shared between the simulation and its window: the initial conditions the
// window edits, the current state its readouts show, and the window's own flags
// that the simulation reads.

#include <cstdint>

#include "gyroscope/parameters.h"
#include "math/math3d.h"

namespace gyroscope {

// Gravitational acceleration in effect (m/s^2); 0 while gravity is switched off.
inline float Gravity = 0.0f;
// What switching gravity on applies.
inline float GravitySetting = 0.0f;

inline math3d::Matrix3x3 InitialOrientation;
inline math3d::Vector3 InitialBodyOmega;  // body axes, rad/s; its z is the spin every step keeps
inline math3d::Vector3 InitialOmega;      // space axes
inline math3d::Vector3 InitialMomentum;   // space axes
inline math3d::Vector3 InitialCentre;
inline math3d::Vector3 InitialTip;

inline math3d::Matrix3x3 Orientation;  // maps body axes to space axes
inline math3d::Vector3 Omega;          // space axes, rad/s
inline math3d::Vector3 BodyOmega;      // body axes, rad/s
inline math3d::Vector3 Momentum;       // space axes
inline math3d::Vector3 Centre;         // centre of mass
inline math3d::Vector3 Tip;            // end of the axle, the traced point
inline float TipX = 0.0f, TipY = 0.0f, TipZ = 0.0f;

// Degrees, counter-clockwise seen from above.
inline float TipAzimuth = 0.0f;
inline float PreviousTipAzimuth = 0.0f;
inline float ReferenceAzimuth = 0.0f;    // at the last reset of the world
inline float MeasuredPrecession = 0.0f;  // rad/s

inline float KineticEnergy = 0.0f;
inline float PotentialEnergy = 0.0f;
inline float MechanicalEnergy = 0.0f;

// RevolutionCount runs one ahead of RevolutionMark once the tip has passed below
// the reference azimuth; the trace catches the mark up when it passes above again.
inline std::int32_t RevolutionMark = 0;
inline std::int32_t RevolutionCount = 0;

// Ring of the tip's recent positions, one per frame; TracePos is the next slot.
inline float TraceX[TraceLength] = {};
inline float TraceY[TraceLength] = {};
inline float TraceZ[TraceLength] = {};
inline int TracePos = 0;

// Seconds of clock time the world has been advanced since the first frame.
inline double LastTime = 0.0;

// Owned by the window.
inline bool Running = false;
inline bool ShowAxes = true;
inline bool ShowTrajectory = true;
inline int ViewportWidth = 400;
inline int ViewportHeight = 400;

}  // namespace gyroscope
