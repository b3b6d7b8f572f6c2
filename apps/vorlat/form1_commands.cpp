// The menu commands, the Euler-angle scroll bars and the two ways out.
#include "apps/vorlat/form1.h"

#include "framework/window/program_exit.h"
#include "gyroscope/conditions.h"
#include "gyroscope/state.h"
#include "ui_form1.h"

void TForm1::ComenzarClick() {
  if (!gyroscope::Running) {
    ui_->Reset->setEnabled(true);
    gyroscope::Running = true;
    ui_->Comenzar->setText("&Pausa");
    ui_->Condicion->setEnabled(false);
  } else {
    ui_->Comenzar->setText("&Seguir");
    gyroscope::Running = false;
  }
}

void TForm1::ResetClick() {
  ui_->Comenzar->setText("&Comenzar");
  ui_->Reset->setEnabled(false);
  ui_->Condicion->setEnabled(true);
  ui_->About->setText("&Activar gravedad");
  GravityOn = false;
  gyroscope::ResetSimulation();
}

void TForm1::AboutClick() {
  GravityOn = !GravityOn;
  ui_->About->setText(GravityOn ? "&Desactivar gravedad" : "&Activar gravedad");
  gyroscope::SwitchGravity(GravityOn);
}

void TForm1::Opcion1Click() {
  gyroscope::ShowAxes = !gyroscope::ShowAxes;
  ui_->Opcion1->setText(gyroscope::ShowAxes ? "&Ocultar ejes" : "&Mostrar ejes");
}

void TForm1::Opcion2Click() {
  gyroscope::ShowTrajectory = !gyroscope::ShowTrajectory;
  ui_->Opcion2->setText(gyroscope::ShowTrajectory ? "&Ocultar trayectoria" : "&Marcar trayectoria");
}

void TForm1::ScrollBar1Change() {
  EulerAnglesChanged(ui_->ScrollBar1, ui_->FiText);
}

void TForm1::ScrollBar2Change() {
  EulerAnglesChanged(ui_->ScrollBar2, ui_->ThetaText);
}

void TForm1::ScrollBar3Change() {
  EulerAnglesChanged(ui_->ScrollBar3, ui_->PsiText);
}

void TForm1::EulerAnglesChanged(const QScrollBar* bar, QLabel* text) {
  gyroscope::SetEulerAngles(ui_->ScrollBar1->value(), ui_->ScrollBar2->value(),
                            ui_->ScrollBar3->value());
  text->setText(QString::number(bar->value()));
}

void TForm1::SalirClick() {
  exit_->Exit();
}

void TForm1::FormDeactivate() {
  exit_->Exit();
}
