// The menu commands: start, pause, reset, gravity and the options.
#include "apps/vorlat/form1.h"

#include "gyroscope/commands.h"
#include "ui_form1.h"

void TForm1::ComenzarClick() {
  gyroscope::Simulation& top = gyroscope::Program();
  if (!top.state.Running) {
    ui_->Reset->setEnabled(true);
    gyroscope::Start(top);
    SetText(ui_->Comenzar, QT_TR_NOOP("&Pausa"));
    ui_->Condicion->setEnabled(false);
  } else {
    SetText(ui_->Comenzar, QT_TR_NOOP("&Seguir"));
    gyroscope::Pause(top);
  }
}

void TForm1::ResetClick() {
  SetText(ui_->Comenzar, QT_TR_NOOP("&Comenzar"));
  ui_->Reset->setEnabled(false);
  ui_->Condicion->setEnabled(true);
  SetText(ui_->About, QT_TR_NOOP("&Activar gravedad"));
  GravityOn = false;
  gyroscope::ResetSimulation(gyroscope::Program());
}

void TForm1::AboutClick() {
  GravityOn = !GravityOn;
  SetText(ui_->About,
          GravityOn ? QT_TR_NOOP("&Desactivar gravedad") : QT_TR_NOOP("&Activar gravedad"));
  gyroscope::SwitchGravity(gyroscope::Program(), GravityOn);
}

void TForm1::Opcion1Click() {
  bool& shown = gyroscope::Program().state.ShowAxes;
  shown = !shown;
  SetText(ui_->Opcion1, shown ? QT_TR_NOOP("&Ocultar ejes") : QT_TR_NOOP("&Mostrar ejes"));
}

void TForm1::Opcion2Click() {
  bool& shown = gyroscope::Program().state.ShowTrajectory;
  shown = !shown;
  SetText(ui_->Opcion2,
          shown ? QT_TR_NOOP("&Ocultar trayectoria") : QT_TR_NOOP("&Marcar trayectoria"));
}
