// The menu commands: start, pause, reset, gravity and the options.
#include "apps/vorlat/form1.h"

#include "gyroscope/commands.h"
#include "ui_form1.h"

void TForm1::ComenzarClick() {
  gyroscope::Simulation& top = gyroscope::Program();
  if (!top.state.Running) {
    ui_->Reset->setEnabled(true);
    gyroscope::Start(top);
    ui_->Comenzar->setText("&Pausa");
    ui_->Condicion->setEnabled(false);
  } else {
    ui_->Comenzar->setText("&Seguir");
    gyroscope::Pause(top);
  }
}

void TForm1::ResetClick() {
  ui_->Comenzar->setText("&Comenzar");
  ui_->Reset->setEnabled(false);
  ui_->Condicion->setEnabled(true);
  ui_->About->setText("&Activar gravedad");
  GravityOn = false;
  gyroscope::ResetSimulation(gyroscope::Program());
}

void TForm1::AboutClick() {
  GravityOn = !GravityOn;
  ui_->About->setText(GravityOn ? "&Desactivar gravedad" : "&Activar gravedad");
  gyroscope::SwitchGravity(gyroscope::Program(), GravityOn);
}

void TForm1::Opcion1Click() {
  bool& shown = gyroscope::Program().state.ShowAxes;
  shown = !shown;
  ui_->Opcion1->setText(shown ? "&Ocultar ejes" : "&Mostrar ejes");
}

void TForm1::Opcion2Click() {
  bool& shown = gyroscope::Program().state.ShowTrajectory;
  shown = !shown;
  ui_->Opcion2->setText(shown ? "&Ocultar trayectoria" : "&Marcar trayectoria");
}
