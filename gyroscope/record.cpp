#include "gyroscope/record.h"

#include "gyroscope/measures.h"

namespace gyroscope {

std::vector<std::string> RecordColumns() {
  std::vector<std::string> columns{"t",     "tip_x",   "tip_y",
                                   "tip_z", "azimuth", "measured_precession"};
  for (const char* vector : {"omega_", "body_omega_", "momentum_"})
    for (const char* axis : {"x", "y", "z"}) columns.push_back(std::string(vector) + axis);
  for (const char* name :
       {"kinetic", "potential", "mechanical", "revolution_count", "theoretical_precession"})
    columns.push_back(name);
  return columns;
}

std::array<double, RecordWidth> RecordRow(double t, const State& s) {
  std::array<double, RecordWidth> row{t,      s.TipX,       s.TipY,
                                      s.TipZ, s.TipAzimuth, s.MeasuredPrecession};
  auto next = row.begin() + 6;
  for (const math3d::Vector3* v : {&s.Omega, &s.BodyOmega, &s.Momentum})
    for (unsigned i = 0; i < 3; ++i) *next++ = (*v)[i];
  for (const float energy : {s.KineticEnergy, s.PotentialEnergy, s.MechanicalEnergy})
    *next++ = energy;
  *next++ = s.RevolutionCount;
  *next = TheoreticalPrecession(s);
  return row;
}

}  // namespace gyroscope
