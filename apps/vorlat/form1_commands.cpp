// The menu commands: start, pause, reset, gravity and the options.
#include "apps/vorlat/form1.h"

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
