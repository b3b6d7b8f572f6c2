#include "apps/vorlat/form1.h"

#include <cmath>

#include "apps/vorlat/pictures.h"
#include "framework/conversions.h"
#include "gyroscope/commands.h"
#include "gyroscope/drawing.h"
#include "gyroscope/measures.h"
#include "gyroscope/scene.h"
#include "shell/run_tools.h"
#include "shell/time_tools.h"
#include "ui_form1.h"

TForm1* Form1 = nullptr;

namespace {

// Most readouts keep their text from one tick to the next; leaving those labels
// alone spares them a repaint.
void Show(QLabel* label, double value, int decimals) {
  const QString text = framework::FormatReadout(value, decimals);
  if (label->text() != text)
    label->setText(text);
}

shell::Scene TopScene() {
  return {
      gyroscope::InitializeScene,
      gyroscope::RunFrame,
      gyroscope::ReleaseScene,
      [](int phi, int theta, int psi) {
        gyroscope::SetEulerAngles(gyroscope::Program(), float(phi), float(theta), float(psi));
      },
      QSize(gyroscope::ViewportSize.first, gyroscope::ViewportSize.second),
      [](bool shown) { gyroscope::Program().state.ShowVectors = shown; },
      {{'L', QT_TRANSLATE_NOOP("shell::VectorLegend", "momento angular"), scene::MomentumColour},
       {u'ω', QT_TRANSLATE_NOOP("shell::VectorLegend", "velocidad angular"), scene::VelocityColour},
       {u'τ', QT_TRANSLATE_NOOP("shell::VectorLegend", "torque del peso"), scene::TorqueColour}}};
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : SceneForm(-1.74f, 1.2f, TopScene(), parent), ui_(std::make_unique<Ui::TForm1>()) {
  // The top starts as at program start: paused, gravity off as the window's switch.
  gyroscope::Program().Reset();

  ui_->setupUi(this);
  FinishWindow({ui_->OpenGLPanel1,
                {ui_->ScrollBar1, ui_->ScrollBar2, ui_->ScrollBar3},
                {ui_->FiText, ui_->ThetaText, ui_->PsiText},
                ui_->Image1,
                {ui_->BitBtn1, ui_->BitBtn2, ui_->BitBtn3}},
               560, 397, vorlat::TopIcon(), vorlat::AboutPicture());
  AddLanguageMenu(*ui_->Opcion);
  SetText(ui_->LabelRegistro1,
          QT_TR_NOOP("Vorlat es software libre: se puede usar, copiar, modificar y compartir "
                     "según la GNU GPL 3 o posterior."));
  SetText(ui_->LabelRegistro2, QT_TR_NOOP("Proyecto Rotación de Cuerpos Rígidos"));
  connect(ui_->Vectores, &QAction::toggled, this, &SceneForm::ShowVectors);
  // The energies' exchange and slow loss, the nutation's wave, the precession rates, and
  // the drift of what the motion conserves: the energy, and L_z against |L| since gravity's
  // torque is horizontal.
  const QColor blue(0, 90, 210), red(215, 60, 0), black(30, 30, 30);
  const record::History& history = gyroscope::Program().history;
  const std::size_t lx = history.Column("momentum_x"), ly = history.Column("momentum_y"),
                    lz = history.Column("momentum_z");
  const shell::RowValue energy = shell::ColumnValue(history, "mechanical");
  const shell::RowValue momentum = [lx, ly, lz](std::span<const double> row) {
    return std::hypot(row[lx], row[ly], row[lz]);
  };
  new shell::RunTools(
      *this, *ui_->OpenGLPanel1, history, "vorlat", {ui_->Graficas, ui_->Exportar, ui_->Imagen},
      {{0.01,
        {{"kinetic", QT_TRANSLATE_NOOP("shell::GraphsStrip", "ΔEc (J)"), blue, 1.0, true},
         {"potential", QT_TRANSLATE_NOOP("shell::GraphsStrip", "ΔEp (J)"), red, 1.0, true},
         {"mechanical", QT_TRANSLATE_NOOP("shell::GraphsStrip", "ΔEm (J)"), black, 1.0, true}}},
       {0.01,
        {{"tip_z", QT_TRANSLATE_NOOP("shell::GraphsStrip", "z del extremo (m)"),
          QColor(140, 0, 170)}}},
       {0.05,
        {{"measured_precession", QT_TRANSLATE_NOOP("shell::GraphsStrip", "fp medida (Hz)"), blue,
          RadiansToHertz},
         {"theoretical_precession", QT_TRANSLATE_NOOP("shell::GraphsStrip", "fp teórica (Hz)"), red,
          RadiansToHertz}}},
       {0.01,
        {shell::DriftCurve(QT_TRANSLATE_NOOP("shell::GraphsStrip", "Error relativo Em (%)"), red,
                           {energy, energy}),
         shell::DriftCurve(QT_TRANSLATE_NOOP("shell::GraphsStrip", "Error relativo Lz (%)"), blue,
                           {shell::ColumnValue(history, "momentum_z"), momentum})}}});
  new shell::TimeTools(*this,
                       {{ui_->Lenta1, ui_->Lenta2, ui_->Lenta4, ui_->Lenta10},
                        ui_->Paso,
                        ui_->Exacta,
                        {ui_->Comenzar, ui_->Reset}},
                       shell::ControlsOf(gyroscope::Program()));
}

TForm1::~TForm1() {
  if (Form1 == this)
    Form1 = nullptr;
}

void TForm1::Retranslate() {
  ui_->retranslateUi(this);
}

void TForm1::AfterTick() {
  using namespace gyroscope;
  const State& s = Program().state;
  Show(ui_->LabelMasa, Mass, 1);
  Show(ui_->LabelLargo, ArmLength, 2);
  Show(ui_->LabelDensidad, Density * 0.001, 1);
  Show(ui_->LabelEspesor, DiscThickness, 3);
  Show(ui_->LabelRadio, DiscRadius, 3);
  Show(ui_->Labelgravedad, s.Gravity, 1);
  Show(ui_->LabelfxPrima, s.BodyOmega.GetX() * RadiansToHertz, 1);
  Show(ui_->LabelfyPrima, s.BodyOmega.GetY() * RadiansToHertz, 1);
  Show(ui_->LabelfzPrima, s.BodyOmega.GetZ() * RadiansToHertz, 1);
  Show(ui_->Labelfx, s.Omega.GetX() * RadiansToHertz, 1);
  Show(ui_->Labelfy, s.Omega.GetY() * RadiansToHertz, 1);
  Show(ui_->Labelfz, s.Omega.GetZ() * RadiansToHertz, 1);
  Show(ui_->LabelEc, s.KineticEnergy, 1);
  Show(ui_->LabelEp, s.PotentialEnergy, 1);
  Show(ui_->LabelEm, s.MechanicalEnergy, 1);
  // Without spin there is no gyroscopic precession: the last value stays.
  if (s.BodyOmega.GetZ() != 0.0f)
    Show(ui_->Labelfp, TheoreticalPrecession(s) * RadiansToHertz, 2);
  Show(ui_->Labelfpreal, s.MeasuredPrecession * RadiansToHertz, 2);
}
