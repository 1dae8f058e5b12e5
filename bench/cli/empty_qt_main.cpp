// The reference for start-up cost: a Qt program that starts its application object and ends.
#include <QCoreApplication>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return 0;
}
