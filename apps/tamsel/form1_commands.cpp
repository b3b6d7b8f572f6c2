// The menu commands: start, pause, reset, the examples, the views and the axes.
#include "apps/tamsel/form1.h"

#include <QSignalBlocker>

#include "freebody/commands.h"
#include "ui_form1.h"

namespace tamsel {

void TForm1::ComenzarClick() {
  freebody::Simulation& block = freebody::Program();
  if (!block.state.Running) {
    ui_->Reset->setEnabled(true);
    SetText(ui_->Comenzar, QT_TR_NOOP("&Pausa"));
    ui_->Rotacion->menuAction()->setEnabled(false);
    ui_->Condicion->setEnabled(false);
    freebody::Start(block);
  } else {
    SetText(ui_->Comenzar, QT_TR_NOOP("&Comenzar"));
    freebody::Pause(block);
  }
}

void TForm1::ResetClick() {
  SetText(ui_->Comenzar, QT_TR_NOOP("&Comenzar"));
  ui_->Reset->setEnabled(false);
  ui_->Rotacion->menuAction()->setEnabled(true);
  ui_->Condicion->setEnabled(true);
  freebody::ResetSimulation(freebody::Program());
}

void TForm1::Rotacion1Click() {
  ChooseExample(1, ui_->Rotacion1);
}

void TForm1::Rotacion2Click() {
  ChooseExample(2, ui_->Rotacion2);
}

void TForm1::Rotacion3Click() {
  ChooseExample(3, ui_->Rotacion3);
}

void TForm1::ChooseExample(int example, QAction* item) {
  for (QAction* other : {ui_->Rotacion1, ui_->Rotacion2, ui_->Rotacion3})
    other->setChecked(other == item);
  const freebody::EulerAngles angles = freebody::ApplyExample(freebody::Program(), example);
  // The bars only show the example; their handlers would pass through mixed
  // angles on the way to it.
  const QSignalBlocker block1(ui_->ScrollBar1), block2(ui_->ScrollBar2), block3(ui_->ScrollBar3);
  ui_->ScrollBar1->setValue(angles.phi);
  ui_->ScrollBar2->setValue(angles.theta);
  ui_->ScrollBar3->setValue(angles.psi);
  ui_->FiText->setText(QString::number(angles.phi));
  ui_->ThetaText->setText(QString::number(angles.theta));
  ui_->PsiText->setText(QString::number(angles.psi));
}

void TForm1::Vista1Click() {
  ui_->Vista1->setChecked(true);
  ui_->Vista2->setChecked(false);
  freebody::Program().state.RotatingView = false;
}

void TForm1::Vista2Click() {
  ui_->Vista2->setChecked(true);
  ui_->Vista1->setChecked(false);
  freebody::Program().state.RotatingView = true;
}

void TForm1::Opcion1Click() {
  bool& shown = freebody::Program().state.ShowAxes;
  shown = !shown;
  SetText(ui_->Opcion1, shown ? QT_TR_NOOP("Borrar ejes") : QT_TR_NOOP("&Dibujar ejes"));
}

}  // namespace tamsel
