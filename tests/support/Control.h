// A window's control as a test finds it: by its name in the window's design (Label1, Combo1,
// mnuExit), which the window gives it as its object name. The test stops when the window has no
// control of that name and kind.
#pragma once

#include <QObject>
#include <QString>

namespace tavrio::test {

template <class Control>
Control* control(const QObject& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("%s has no %s named %s", window.metaObject()->className(),
               Control::staticMetaObject.className(), name);
    }
    return found;
}

} // namespace tavrio::test
