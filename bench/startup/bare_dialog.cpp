// The yardstick of the start-up measurement: a bare Qt 6 dialog with three widgets, shown
// with Qt's defaults and nothing else, as any small Qt program starts.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle("Bare dialog");
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel("A number:"));
  layout->addWidget(new QLineEdit);
  layout->addWidget(new QPushButton("OK"));
  dialog.show();
  return application.exec();
}
