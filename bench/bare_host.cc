// The smallest Qt WebEngine host of our own, the anchor the benchmark
// measures the client against: one window, as large and placed as the
// client's, that opens the page given on the command line in a persistent
// disk profile (cookie database, cache, preferences) in the folder given
// after it, as the client keeps its profile. Console messages go through Qt
// WebEngine's own handling (the "js" logging category).
//
// ztv_bare_host <url> <profile folder>
#include <QApplication>
#include <QScreen>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// The client's window keeps this far from each edge of the screen.
constexpr int kWindowInset = 40;

}  // namespace

int main(int argc, char** argv) {
  // As the client's engine does, and as Qt WebEngine asks.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  if (argc < 3)
    return 2;
  const QString folder = QString::fromLocal8Bit(argv[2]);
  QWebEngineProfile profile("bare");
  profile.setPersistentStoragePath(folder);
  profile.setCachePath(folder);
  profile.setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
  {
    // The page goes before its profile does.
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&profile, &view));
    view.setGeometry(QApplication::primaryScreen()->geometry().adjusted(
        kWindowInset, kWindowInset, -kWindowInset, -kWindowInset));
    view.show();
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    app.exec();
  }
  return 0;
}
