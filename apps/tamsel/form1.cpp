#include "apps/tamsel/form1.h"

#include <cmath>

#include "apps/tamsel/pictures.h"
#include "freebody/commands.h"
#include "freebody/drawing.h"
#include "freebody/scene.h"
#include "freebody/world.h"
#include "shell/run_tools.h"
#include "shell/time_tools.h"
#include "ui_form1.h"

namespace tamsel {

TForm1* Form1 = nullptr;

namespace {

shell::Scene BlockScene() {
  return {
      freebody::InitializeScene,
      freebody::RunFrame,
      freebody::ReleaseScene,
      [](int phi, int theta, int psi) {
        freebody::SetEulerAngles(freebody::Program(), {phi, theta, psi});
      },
      QSize(freebody::ViewportSize.first, freebody::ViewportSize.second),
      [](bool shown) { freebody::Program().state.ShowVectors = shown; },
      {{'L', QT_TRANSLATE_NOOP("shell::VectorLegend", "momento angular"), scene::MomentumColour},
       {u'ω', QT_TRANSLATE_NOOP("shell::VectorLegend", "velocidad angular"),
        scene::VelocityColour}}};
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : SceneForm(-10.0f, 6.0f, BlockScene(), parent), ui_(std::make_unique<Ui::TForm1>()) {
  // The block and the switches the menu shows start as at program start.
  freebody::Program().Reset();
  ui_->setupUi(this);
  FinishWindow({ui_->OpenGLPanel1,
                {ui_->ScrollBar1, ui_->ScrollBar2, ui_->ScrollBar3},
                {ui_->FiText, ui_->ThetaText, ui_->PsiText},
                ui_->Image1,
                {ui_->BitBtn1, ui_->BitBtn2}},
               536, 400, BlockIcon(), AboutPicture());
  AddLanguageMenu(*ui_->Opcion);
  SetText(ui_->Label1,
          QT_TR_NOOP("Tamsel es software libre: se puede usar, copiar, modificar y compartir "
                     "según la GNU GPL 3 o posterior."));
  SetText(ui_->Label2, QT_TR_NOOP("Del proyecto Rotación de Cuerpos Rígidos"));
  connect(ui_->Vectores, &QAction::toggled, this, &SceneForm::ShowVectors);
  // The flips as sign changes and swings across 90 degrees; the scheme's drift in the energy,
  // and the drift of what the motion conserves: the energy and |L|, here in body axes.
  const record::History& history = freebody::Program().history;
  const std::size_t wx = history.Column("body_omega_x"), wy = history.Column("body_omega_y"),
                    wz = history.Column("body_omega_z");
  const freebody::Matrix3x3 inverse_inertia = freebody::InverseBodyInertia();
  const double ix = 1.0 / inverse_inertia(0, 0), iy = 1.0 / inverse_inertia(1, 1),
               iz = 1.0 / inverse_inertia(2, 2);
  const shell::RowValue energy = shell::ColumnValue(history, "kinetic");
  const shell::RowValue momentum = [=](std::span<const double> row) {
    return std::hypot(ix * row[wx], iy * row[wy], iz * row[wz]);
  };
  new shell::RunTools(
      *this, *ui_->OpenGLPanel1, history, "tamsel", {ui_->Graficas, ui_->Exportar, ui_->Imagen},
      {{0.1,
        {{"body_omega_x", QT_TRANSLATE_NOOP("shell::GraphsStrip", "ω´x (rad/s)"),
          QColor(215, 40, 40)},
         {"body_omega_y", QT_TRANSLATE_NOOP("shell::GraphsStrip", "ω´y (rad/s)"),
          QColor(0, 150, 0)},
         {"body_omega_z", QT_TRANSLATE_NOOP("shell::GraphsStrip", "ω´z (rad/s)"),
          QColor(0, 80, 220)}}},
       {1e-4, {{"kinetic", QT_TRANSLATE_NOOP("shell::GraphsStrip", "Ec (J)"), QColor(30, 30, 30)}}},
       {10.0,
        {{"axis_angle", QT_TRANSLATE_NOOP("shell::GraphsStrip", "ángulo y´ – L (°)"),
          QColor(140, 0, 170)}}},
       {0.01,
        {shell::DriftCurve(QT_TRANSLATE_NOOP("shell::GraphsStrip", "Error relativo Ec (%)"),
                           QColor(215, 40, 40), {energy, energy}),
         shell::DriftCurve(QT_TRANSLATE_NOOP("shell::GraphsStrip", "Error relativo |L| (%)"),
                           QColor(0, 80, 220), {momentum, momentum})}}});
  new shell::TimeTools(*this,
                       {{ui_->Lenta1, ui_->Lenta2, ui_->Lenta4, ui_->Lenta10},
                        ui_->Paso,
                        ui_->Exacta,
                        {ui_->Comenzar, ui_->Reset}},
                       shell::ControlsOf(freebody::Program()));
}

void TForm1::Retranslate() {
  ui_->retranslateUi(this);
}

TForm1::~TForm1() {
  if (Form1 == this)
    Form1 = nullptr;
}

}  // namespace tamsel
