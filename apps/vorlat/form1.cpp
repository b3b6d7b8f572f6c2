#include "apps/vorlat/form1.h"

#include <GL/gl.h>

#include "apps/vorlat/pictures.h"
#include "framework/conversions.h"
#include "framework/window/ok_glyph.h"
#include "framework/window/program_exit.h"
#include "gyroscope/conditions.h"
#include "gyroscope/scene.h"
#include "gyroscope/simulation.h"
#include "gyroscope/state.h"
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

}  // namespace

TForm1::TForm1(QWidget* parent)
    : MainForm(-1.74f, 0.02f, parent), ui_(std::make_unique<Ui::TForm1>()) {
  // The flags the window owns start as at program start, and the simulation's
  // gravity follows the window's switch.
  gyroscope::Running = false;
  gyroscope::ShowAxes = true;
  gyroscope::ShowTrajectory = true;
  gyroscope::SwitchGravity(GravityOn);

  ui_->setupUi(this);
  FinishLayout(560, 397);
  setWindowIcon(vorlat::TopIcon());
  ui_->Image1->setPixmap(vorlat::AboutPicture());
  for (QPushButton* ok : {ui_->BitBtn1, ui_->BitBtn2, ui_->BitBtn3})
    ok->setIcon(framework::OkGlyph());
  exit_ = new framework::ProgramExit(this, gyroscope::ReleaseScene);
  FormCreate(this);
}

TForm1::~TForm1() {
  if (Form1 == this)
    Form1 = nullptr;
}

void TForm1::OpenGLPanel1Init() {
  gyroscope::InitializeScene();
}

void TForm1::OpenGLPanel1Paint() {
  // The drawing area is 400 x 400 logical pixels whatever the screen's density.
  const qreal ratio = ui_->OpenGLPanel1->devicePixelRatioF();
  glViewport(0, 0, qRound(gyroscope::ViewportWidth * ratio),
             qRound(gyroscope::ViewportHeight * ratio));
  ViewCamera().Apply();
  gyroscope::RunFrame();
}

void TForm1::AnimTimer1Timer() {
  if (exit_->Done())
    return;  // the scene is released and the program is on its way out
  ViewCamera().Tick();
  ui_->OpenGLPanel1->repaint();
  WriteReadouts();
}

void TForm1::WriteReadouts() {
  using namespace gyroscope;
  Show(ui_->LabelMasa, Mass, 1);
  Show(ui_->LabelLargo, ArmLength, 2);
  Show(ui_->LabelDensidad, Density * 0.001, 1);
  Show(ui_->LabelEspesor, DiscThickness, 3);
  Show(ui_->LabelRadio, DiscRadius, 3);
  Show(ui_->Labelgravedad, Gravity, 1);
  Show(ui_->LabelfxPrima, BodyOmega.GetX() * RadiansToHertz, 1);
  Show(ui_->LabelfyPrima, BodyOmega.GetY() * RadiansToHertz, 1);
  Show(ui_->LabelfzPrima, BodyOmega.GetZ() * RadiansToHertz, 1);
  Show(ui_->Labelfx, Omega.GetX() * RadiansToHertz, 1);
  Show(ui_->Labelfy, Omega.GetY() * RadiansToHertz, 1);
  Show(ui_->Labelfz, Omega.GetZ() * RadiansToHertz, 1);
  Show(ui_->LabelEc, KineticEnergy, 1);
  Show(ui_->LabelEp, PotentialEnergy, 1);
  Show(ui_->LabelEm, MechanicalEnergy, 1);
  // Without spin there is no gyroscopic precession: the last value stays.
  if (BodyOmega.GetZ() != 0.0f)
    Show(ui_->Labelfp, double(Mass) * Gravity * ArmLength / (double(InertiaZ) * BodyOmega.GetZ()),
         2);
  Show(ui_->Labelfpreal, MeasuredPrecession, 2);
}
