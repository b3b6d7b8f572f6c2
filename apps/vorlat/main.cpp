// Vorlat: a heavy symmetric top, with precession and nutation, for the classroom.
#include "apps/vorlat/form1.h"
#include "framework/application.h"

int main(int argc, char** argv) {
  return framework::RunProgram(argc, argv, [] {
    auto form = std::make_unique<TForm1>();
    Form1 = form.get();
    return form;
  });
}
