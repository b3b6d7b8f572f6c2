#include "apps/tamsel/form1.h"

#include "apps/tamsel/pictures.h"
#include "freebody/commands.h"
#include "freebody/scene.h"
#include "ui_form1.h"

namespace tamsel {

TForm1* Form1 = nullptr;

namespace {

shell::Scene BlockScene() {
  return {freebody::InitializeScene, freebody::RunFrame, freebody::ReleaseScene,
          [](int phi, int theta, int psi) {
            freebody::SetEulerAngles(freebody::Program(), {phi, theta, psi});
          },
          QSize(freebody::ViewportSize.first, freebody::ViewportSize.second)};
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
}

TForm1::~TForm1() {
  if (Form1 == this)
    Form1 = nullptr;
}

}  // namespace tamsel
