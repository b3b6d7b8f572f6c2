// The panels that stand in for dialogs: initial conditions and about.
#include "apps/tamsel/form1.h"

#include "framework/conversions.h"
#include "freebody/commands.h"
#include "shell/number_boxes.h"
#include "ui_form1.h"

namespace tamsel {

void TForm1::CondicionClick() {
  ui_->Panel2->show();
  EnableRunCommands(false);
  const math3d::Vector3& momentum = freebody::Program().state.InitialMomentum;
  shell::ShowText(ui_->Edit1, framework::FloatToStr(momentum.GetX()));
  shell::ShowText(ui_->Edit2, framework::FloatToStr(momentum.GetY()));
  shell::ShowText(ui_->Edit3, framework::FloatToStr(momentum.GetZ()));
}

void TForm1::BitBtn1Click() {
  const auto momentum = shell::ReadNumbers({ui_->Edit1, ui_->Edit2, ui_->Edit3});
  if (!momentum)
    return;  // the panel stays open with the text as typed
  ui_->Panel2->hide();
  EnableRunCommands(true);
  freebody::AcceptInitialConditions(freebody::Program(),
                                    {(*momentum)[0], (*momentum)[1], (*momentum)[2]});
}

void TForm1::EnableRunCommands(bool enabled) {
  for (QAction* item :
       {ui_->Comenzar, ui_->Reset, ui_->Rotacion->menuAction(), ui_->Opcion->menuAction()})
    item->setEnabled(enabled);
}

void TForm1::AboutClick() {
  ui_->Panel1->show();
}

void TForm1::BitBtn2Click() {
  ui_->Panel1->hide();
}

}  // namespace tamsel
