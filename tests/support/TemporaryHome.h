#pragma once
// Points HOME and the XDG folders at a fresh temporary folder for the life of the object,
// so that no test touches the real home, and gives the process fresh user defaults.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
    QByteArray saved_[3];
};
