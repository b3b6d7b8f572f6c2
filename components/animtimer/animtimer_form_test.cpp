// A Designer form binds the timer the way the main windows do.
#include "components/animtimer/timer_testing.h"
#include "ui_animtimer_form_test.h"

namespace Animtimer::testing {
namespace {

class AnimTimerTestForm : public QWidget {
  Q_OBJECT

 public:
  AnimTimerTestForm() { ui.setupUi(this); }

  Ui::AnimTimerTestForm ui;
  int ticks = 0;

 public slots:
  void AnimTimer1Timer() { ui.Label1->setText(QString::number(++ticks)); }
};

using AnimTimerForm = TimerTest;

TEST_F(AnimTimerForm, LoadingTheLayoutStartsTheTicks) {
  auto* form = new AnimTimerTestForm;
  form->setParent(owner_.get());
  EXPECT_EQ(form->ui.AnimTimer1->Interval(), 1u);
  owner_->show();
  EXPECT_TRUE(RunEventsUntil([&] { return form->ticks >= 10; }, 2s));
  EXPECT_EQ(Guards().size(), 1);  // the connection assigned the handler
  EXPECT_EQ(form->ui.Label1->text(), QString::number(form->ticks));
  EXPECT_FALSE(form->ui.AnimTimer1->isVisible());
}

}  // namespace
}  // namespace Animtimer::testing

#include "animtimer_form_test.moc"
