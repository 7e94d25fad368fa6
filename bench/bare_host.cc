// The smallest Qt WebEngine host of our own: one window that opens the page
// given on the command line, with Qt WebEngine's own handling of console
// messages (it logs them as "js: ..."). The benchmark compares the client
// with it.
#include <QApplication>
#include <QWebEngineView>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2)
    return 2;
  QWebEngineView view;
  view.resize(1840, 1000);
  view.show();
  view.load(QUrl(QString::fromLocal8Bit(argv[1])));
  return app.exec();
}
