// The panels that stand in for dialogs: initial conditions, help and about.
#include "apps/vorlat/form1.h"

#include "framework/conversions.h"
#include "gyroscope/commands.h"
#include "shell/number_boxes.h"
#include "ui_form1.h"

void TForm1::CondicionClick() {
  ui_->Panel2->show();
  EnableRunCommands(false);
  const gyroscope::State& state = gyroscope::Program().state;
  const math3d::Vector3& spin = state.InitialBodyOmega;
  shell::ShowText(ui_->Edit1, framework::FormatReadout(spin.GetX() * RadiansToHertz, 1));
  shell::ShowText(ui_->Edit2, framework::FormatReadout(spin.GetY() * RadiansToHertz, 1));
  shell::ShowText(ui_->Edit3, framework::FormatReadout(spin.GetZ() * RadiansToHertz, 1));
  shell::ShowText(ui_->Edit4, framework::FormatReadout(state.GravitySetting, 1));
}

void TForm1::BitBtn1Click() {
  const auto values = shell::ReadNumbers({ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4});
  if (!values)
    return;  // the panel stays open with the text as typed
  ui_->Panel2->hide();
  EnableRunCommands(true);
  gyroscope::ApplyInitialConditions(gyroscope::Program(), (*values)[0], (*values)[1], (*values)[2],
                                    (*values)[3]);
}

void TForm1::EnableRunCommands(bool enabled) {
  for (QAction* item : {ui_->Comenzar, ui_->Reset, ui_->Opcion->menuAction()})
    item->setEnabled(enabled);
}

void TForm1::AyudaClick() {
  ui_->Panel3->show();
}

void TForm1::BitBtn3Click() {
  ui_->Panel3->hide();
}

void TForm1::AcercaClick() {
  ui_->Panel1->show();
}

void TForm1::BitBtn2Click() {
  ui_->Panel1->hide();
}
