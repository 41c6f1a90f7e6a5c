#pragma once
// Takes the place of the user's browser, mail program and file viewer: records what the program
// asks the desktop to open instead of opening it.
#include <QList>
#include <QObject>
#include <QUrl>

namespace testing_support {

class UrlRecorder : public QObject {
  Q_OBJECT
 public:
  UrlRecorder();
  ~UrlRecorder() override;

  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url);
};

}  // namespace testing_support
