// Start-up, layout and drawing of the Tamsel window.
#include "apps/tamsel/form1.h"

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>

#include "apps/tamsel/form1_testing.h"
#include "components/animtimer/animtimer.h"
#include "components/openglpanel/opengl_panel.h"
#include "freebody/world.h"

namespace {

using framework::testing::CountPixels;
using tamsel_testing::Screen;

// The lit block is yellow; the room and the axes are drawn unlit.
const QColor Yellow(230, 230, 0), White(255, 255, 255), Grey(128, 128, 128);
constexpr int YellowTolerance = 60;

QRect Around(QPoint centre, int half) {
  return QRect(centre - QPoint(half, half), centre + QPoint(half, half));
}

int YellowAround(const QImage& drawing, double y, double z) {
  return CountPixels(drawing, Around(Screen(y, z), 4), Yellow, YellowTolerance);
}

QStringList Captions(const QList<QAction*>& items) {
  QStringList captions;
  for (const QAction* item : items) captions << item->text();
  return captions;
}

TEST_F(TamselWindowTest, WindowIsLaidOutAsStored) {
  EXPECT_EQ(form->windowTitle(), "Rotaciones de un cuerpo rígido libre");
  EXPECT_EQ(form->centralWidget()->size(), QSize(536, 400));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_EQ(form->pos(), QPoint(50, 50));
  EXPECT_EQ(form->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  EXPECT_EQ(Control<QLabel>("Image1")->pixmap().size(), QSize(80, 92));

  auto* panel = Control<TOpenGLPanel>("OpenGLPanel1");
  EXPECT_EQ(panel->geometry(), QRect(8, 0, 400, 400));
  EXPECT_EQ(panel->PFDFlags(), TOpenGLPanel::f_PFD_DRAW_TO_WINDOW |
                                   TOpenGLPanel::f_PFD_SUPPORT_OPENGL |
                                   TOpenGLPanel::f_PFD_DOUBLEBUFFER);
  EXPECT_EQ(Control<TAnimTimer>("AnimTimer1")->Interval(), 1u);
  EXPECT_EQ(Control<QWidget>("Panel1")->parentWidget(), panel);
  EXPECT_EQ(Control<QWidget>("Panel1")->geometry(), QRect(32, 56, 345, 193));
  EXPECT_EQ(Control<QWidget>("Panel2")->geometry(), QRect(408, 0, 129, 401));
  for (const char* name : {"Panel1", "Panel2"})
    EXPECT_FALSE(Control<QWidget>(name)->isVisible()) << name;
  EXPECT_TRUE(Control<QWidget>("Label3")->isVisible());

  EXPECT_EQ(Captions(form->menuBar()->actions()),
            QStringList({"&Comenzar", "&Reset", "&Ejemplos", "&Opciones", "Condiciones &iniciales",
                         "&Acerca de", "&Salir"}));
  for (QAction* item : form->menuBar()->actions()) EXPECT_TRUE(item->isEnabled());
  const QMenu* examples = Control<QMenu>("Rotacion");
  EXPECT_EQ(Captions(examples->actions()),
            QStringList({"Rotación alrededor de Im&in", "Rotación alrededor de Im&ed",
                         "Rotación alrededor de Im&ax"}));
  for (const QAction* item : examples->actions()) EXPECT_FALSE(item->isChecked());
  EXPECT_EQ(Captions(Control<QMenu>("Opcion")->actions()),
            QStringList({"&Dibujar ejes", "Vista desde &Tierra", "Vista desde sistema &rotante"}));
  EXPECT_TRUE(Item("Vista1")->isChecked());
  EXPECT_FALSE(Item("Vista2")->isChecked());

  for (const char* name : {"ScrollBar1", "ScrollBar2", "ScrollBar3"}) {
    const QScrollBar* bar = Control<QScrollBar>(name);
    EXPECT_EQ(bar->orientation(), Qt::Vertical) << name;
    EXPECT_EQ(bar->maximum(), 359) << name;
    EXPECT_EQ(bar->value(), 0) << name;
  }
  EXPECT_EQ(Text("FiText"), "0 ");
}

TEST_F(TamselWindowTest, EveryTextFitsItsBoxInsideTheWindow) {
  Control<QWidget>("Panel2")->show();
  ExpectLabelsFit();
}

TEST_F(TamselWindowTest, TheHelpTextStartsItsSecondSentenceOnANewLineAndFits) {
  const QLabel* help = Control<QLabel>("Label3");
  QTextLayout layout(help->text(), help->font());
  QTextOption wrapping;
  wrapping.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(wrapping);
  layout.beginLayout();
  QStringList lines;
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(help->width());
    height += line.height();
    lines << help->text().mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  EXPECT_TRUE(lines.filter(QRegularExpression("^Para cambiar")).size() == 1)
      << lines.join('|').toStdString();
  EXPECT_TRUE(lines.first().startsWith("Zoom"));
  EXPECT_LE(height, help->height() + 1);
}

TEST_F(TamselWindowTest, TheConditionsPanelCoversTheHelpText) {
  QWidget* central = form->centralWidget();
  const QPoint help = Control<QWidget>("Label3")->geometry().center();
  EXPECT_EQ(central->childAt(help), Control<QWidget>("Label3"));
  Control<QWidget>("Panel2")->show();
  const QWidget* on_top = central->childAt(help);
  ASSERT_NE(on_top, nullptr);
  EXPECT_TRUE(on_top == Control<QWidget>("Panel2") ||
              Control<QWidget>("Panel2")->isAncestorOf(on_top));
}

TEST_F(TamselWindowTest, TheGreekLettersStandUnderTheirBars) {
  const QLabel* letters = Control<QLabel>("Label4");
  const QString text = letters->text();
  const QFontMetrics metrics = letters->fontMetrics();
  const char* bars[] = {"ScrollBar1", "ScrollBar2", "ScrollBar3"};
  int found = 0;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i].isSpace())
      continue;
    ASSERT_LT(found, 3) << text.toStdString();
    const double centre = letters->x() + metrics.horizontalAdvance(text.left(i)) +
                          metrics.horizontalAdvance(text[i]) / 2.0;
    EXPECT_NEAR(centre, Control<QWidget>(bars[found])->geometry().center().x(), 5.0) << i;
    ++found;
  }
  EXPECT_EQ(found, 3);
}

TEST_F(TamselWindowTest, AtStartUpTheYellowBlockStandsUpright) {
  const QImage drawing = Drawing();
  EXPECT_EQ(drawing.size(), QSize(400, 400) * Control<QWidget>("OpenGLPanel1")->devicePixelRatio());
  // Tall along z (half 1.8), narrower along y (half 0.8).
  EXPECT_GT(YellowAround(drawing, 0.0, 0.0), 60);
  EXPECT_GT(YellowAround(drawing, 0.0, 1.6), 60);
  EXPECT_GT(YellowAround(drawing, 0.0, -1.6), 60);
  EXPECT_GT(YellowAround(drawing, 0.6, 0.0), 60);
  EXPECT_EQ(YellowAround(drawing, 0.0, 2.2), 0);
  EXPECT_EQ(YellowAround(drawing, 1.2, 0.0), 0);
  EXPECT_EQ(YellowAround(drawing, -1.2, 0.0), 0);
}

TEST_F(TamselWindowTest, AxesShowWhenAskedFor) {
  // The block's z axis sticks out above its top.
  const QRect above_top = Around(Screen(0.0, 2.3), 4);
  EXPECT_EQ(CountPixels(Drawing(), above_top, White, 40), 0);
  Item("Opcion1")->trigger();
  EXPECT_GT(CountPixels(Drawing(), above_top, White, 40), 3);
  Item("Opcion1")->trigger();
  EXPECT_EQ(CountPixels(Drawing(), above_top, White, 40), 0);
}

TEST_F(TamselWindowTest, TheRoomsFloorLiesAtTheBottom) {
  const QImage drawing = Drawing();
  // From 10 away the floor's far edge lies 4 units below the centre, 14 away.
  const int far_edge = Screen(0.0, -4.0 * 10.0 / 14.0).y();
  EXPECT_GT(CountPixels(drawing, QRect(0, far_edge + 4, 400, 400 - far_edge - 4), Grey, 6),
            20 * (400 - far_edge - 4));
  EXPECT_EQ(CountPixels(drawing, QRect(0, 0, 400, far_edge - 4), Grey, 6), 0);
}

TEST_F(TamselWindowTest, TheDrawingFollowsTheWorldWhileRunning) {
  // A turn of about 0.96 rad/s about the vertical shows the block's narrow side.
  Item("Comenzar")->trigger();
  const int wide = YellowAround(Drawing(), 0.6, 0.0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return YellowAround(Drawing(), 0.6, 0.0) == 0; }, 30000));
  EXPECT_GT(wide, 0);
  EXPECT_FALSE(
      tamsel_testing::SameOrientation(freebody::BlockOrientation, freebody::InitialOrientation));
}

}  // namespace
