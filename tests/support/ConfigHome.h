#pragma once
// A fresh, empty per-user config folder (XDG_CONFIG_HOME) for as long as the
// object lives, as a new user would have; the previous setting comes back after.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempConfigHome {
public:
    TempConfigHome();
    ~TempConfigHome();
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    // Where the demo's settings key is kept below this folder.
    QString KeyFile() const;

private:
    QTemporaryDir dir_;
    bool had_;
    QByteArray saved_;
};
