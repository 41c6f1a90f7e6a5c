#include "tests/support/UrlRecorder.h"

#include <QDesktopServices>

namespace testing_support {
namespace {

constexpr const char* kSchemes[] = {"http", "mailto", "file"};

}  // namespace

UrlRecorder::UrlRecorder() {
  for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(scheme, this, "Open");
}

UrlRecorder::~UrlRecorder() {
  for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(scheme);
}

void UrlRecorder::Open(const QUrl& url) { opened.append(url); }

}  // namespace testing_support
