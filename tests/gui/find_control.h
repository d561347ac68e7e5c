#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace zeruda::gui::test {

// A control of a window by its form name; a missing control ends the test program,
// since every later step would only fail less clearly.
template <typename T>
T* findControl(const QObject* root, const char* name) {
  T* found = root->findChild<T*>(QString::fromUtf8(name));
  if (found == nullptr) qFatal("no control %s", name);
  return found;
}

}  // namespace zeruda::gui::test
